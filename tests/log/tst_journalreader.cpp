#include "journalfixture.h"
#include "log/journalreader.h"
#include "testregistry.h"

#include <QFile>
#include <QTest>

namespace
{
// A cursor of the right form whose entry is in no journal of these tests.
const QString ForeignCursor = QStringLiteral(
    "s=00000000000000000000000000000001;i=42;b=00000000000000000000000000000002;m=1;t=1;x=1");

JournalReadResult readAll(const QString& folder)
{
    return JournalReader(JournalLocation::directory(folder)).read(JournalStart::fromBeginning());
}

bool overwrite(const QString& path, qint64 offset, qint64 length)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(offset) &&
           file.write(QByteArray(length, '\xAA')) == length;
}

qint64 offsetOf(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().indexOf(bytes) : -1;
}
} // namespace

// pppd's records read from real journal files, made by systemd's own tools from entries in the
// journal export format.
class TstJournalReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsPppdsOwnRecords()
    {
        JournalFixture journal;
        QVERIFY(journal.write(JournalFixture::firstBatch()));
        const JournalReadResult result = readAll(journal.dir());
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(JournalFixture::lines(result.records), JournalFixture::firstBatchRecords());
        QCOMPARE(result.connectPoints.size(), 2);
        QCOMPARE(result.connectPoints[0].record, 4);
        QCOMPARE(result.connectPoints[1].record, 13);
        QVERIFY(!result.lastCursor.isEmpty());
        QVERIFY(!result.cursorLost);
    }

    // Each record at the local time it was logged, on both sides of a clock change.
    void localTimes()
    {
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "Europe/London");
        const auto utc = [](int month, int day, const char* time) {
            return QDateTime(QDate(2024, month, day), QTime::fromString(QLatin1String(time)),
                             Qt::UTC);
        };
        JournalFixture journal;
        JournalExport log;
        log.pppd(utc(3, 31, "00:59:30"), 7, "Exit.")
            .pppd(utc(3, 31, "01:00:30"), 7, "Exit.")
            .pppd(utc(10, 27, "00:59:30"), 7, "Exit.")
            .pppd(utc(10, 27, "01:00:30"), 7, "Exit.");
        const bool written = journal.write(log);
        QStringList local;
        for (const PppdRecord& record : readAll(journal.dir()).records)
            local << record.when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
        QVERIFY(written);
        QCOMPARE(local, QStringList({"2024-03-31 00:59:30", "2024-03-31 02:00:30",
                                     "2024-10-27 01:59:30", "2024-10-27 01:00:30"}));
    }

    void resumes_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("appendTo");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("lost");
        const QStringList first = JournalFixture::firstBatchRecords();
        const QStringList second = JournalFixture::secondBatchRecords();
        QTest::newRow("after the last cursor, same file") << "after last"
                                                          << "x.journal" << second << false;
        QTest::newRow("after the last cursor, new file") << "after last"
                                                         << "y.journal" << second << false;
        QTest::newRow("after the last cursor, nothing new") << "after last"
                                                            << "" << QStringList() << false;
        QTest::newRow("at the call in progress") << "at connect"
                                                 << "x.journal" << first.mid(13) + second << false;
        QTest::newRow("since a moment") << "since"
                                        << "x.journal" << first.mid(14) + second << false;
        QTest::newRow("invalid cursor") << "invalid"
                                        << "x.journal" << first + second << true;
        QTest::newRow("cursor of another journal") << "foreign"
                                                   << "x.journal" << first + second << true;
        QTest::newRow("cursor of another journal, since a moment")
            << "foreign since"
            << "x.journal" << first.mid(14) + second << true;
    }
    void resumes()
    {
        QFETCH(QString, start);
        QFETCH(QString, appendTo);
        QFETCH(QStringList, expected);
        QFETCH(bool, lost);
        JournalFixture journal;
        QVERIFY(journal.write(JournalFixture::firstBatch()));
        const JournalReadResult first = readAll(journal.dir());
        QVERIFY(first.ok());
        if (!appendTo.isEmpty())
            QVERIFY(journal.write(JournalFixture::secondBatch(), appendTo));

        const QDateTime moment = JournalFixture::at("18:02:44");
        const JournalStart from =
            start == "after last"   ? JournalStart::after(first.lastCursor)
            : start == "at connect" ? JournalStart::at(first.connectPoints.last().cursor)
            : start == "since"      ? JournalStart::since(moment)
            : start == "invalid"    ? JournalStart::after(QStringLiteral("not a cursor"))
            : start == "foreign"    ? JournalStart::after(ForeignCursor)
                                    : JournalStart::after(ForeignCursor, moment);
        const JournalReadResult next =
            JournalReader(JournalLocation::directory(journal.dir())).read(from);
        QVERIFY2(next.ok(), qPrintable(next.error));
        QCOMPARE(JournalFixture::lines(next.records), expected);
        QCOMPARE(next.cursorLost, lost);
        if (expected.isEmpty())
            QCOMPARE(next.lastCursor, first.lastCursor);

        // Read again from where this read stopped: nothing is new.
        const JournalReadResult again = JournalReader(JournalLocation::directory(journal.dir()))
                                            .read(JournalStart::after(next.lastCursor));
        QVERIFY(again.records.isEmpty());
        QVERIFY(!again.cursorLost);
    }

    void reportsFailures_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("error");
        // How many of the first batch's records are read.
        QTest::addColumn<int>("kept");
        QTest::newRow("missing folder") << "missing folder"
                                        << "does not exist" << 0;
        QTest::newRow("not a folder") << "not a folder"
                                      << "is not a folder" << 0;
        // The other file is read whole.
        QTest::newRow("damaged file header") << "damaged header"
                                             << "y.journal is damaged and was not read" << 16;
        // Damaged from the first call's end on.
        QTest::newRow("damaged entries") << "damaged entries"
                                         << "Part of the journal is damaged" << 7;
    }
    void reportsFailures()
    {
        QFETCH(QString, damage);
        QFETCH(QString, error);
        QFETCH(int, kept);
        JournalFixture journal;
        QString folder = journal.dir();
        if (damage == "missing folder") {
            folder = journal.path("none");
        } else if (damage == "not a folder") {
            QVERIFY(journal.write(JournalFixture::firstBatch()));
            folder = journal.path("x.journal");
        } else if (damage == "damaged header") {
            QVERIFY(journal.write(JournalFixture::firstBatch()));
            QVERIFY(journal.write(JournalFixture::secondBatch(), "y.journal"));
            QVERIFY(overwrite(journal.path("y.journal"), 0, 4096));
        } else {
            QVERIFY(journal.write(JournalFixture::firstBatch()));
            QVERIFY(journal.write(JournalFixture::secondBatch()));
            const qint64 offset = offsetOf(journal.path("x.journal"), "MESSAGE=Modem hangup");
            QVERIFY(offset > 0);
            QVERIFY(overwrite(journal.path("x.journal"), offset, 4096));
        }
        const JournalReadResult result = readAll(folder);
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        QCOMPARE(JournalFixture::lines(result.records),
                 JournalFixture::firstBatchRecords().mid(0, kept));
    }

    // The journal is read as it was opened: a file rotated away or vacuumed after that is read
    // whole, and the next reader finds what was written since.
    void filesGoingAwayWhileOpen_data()
    {
        QTest::addColumn<bool>("rotated");
        QTest::newRow("rotated") << true;
        QTest::newRow("vacuumed") << false;
    }
    void filesGoingAwayWhileOpen()
    {
        QFETCH(bool, rotated);
        JournalFixture journal;
        QVERIFY(journal.write(JournalFixture::firstBatch()));
        JournalReader reader(JournalLocation::directory(journal.dir()));
        if (rotated) {
            QVERIFY(QFile::rename(journal.path("x.journal"), journal.path("x@0001.journal~")));
            QVERIFY(journal.write(JournalFixture::secondBatch()));
        } else {
            QVERIFY(QFile::remove(journal.path("x.journal")));
        }
        const JournalReadResult result = reader.read(JournalStart::fromBeginning());
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(JournalFixture::lines(result.records), JournalFixture::firstBatchRecords());

        const JournalReadResult next = JournalReader(JournalLocation::directory(journal.dir()))
                                           .read(JournalStart::after(result.lastCursor));
        QVERIFY2(next.ok(), qPrintable(next.error));
        QCOMPARE(next.cursorLost, !rotated);
        QCOMPARE(JournalFixture::lines(next.records),
                 rotated ? JournalFixture::secondBatchRecords() : QStringList());
    }

    void fileCutShortWhileOpen()
    {
        JournalFixture journal;
        QVERIFY(journal.write(JournalFixture::firstBatch()));
        JournalReader reader(JournalLocation::directory(journal.dir()));
        QVERIFY(QFile::resize(journal.path("x.journal"), 4096));
        const JournalReadResult result = reader.read(JournalStart::fromBeginning());
        QVERIFY2(result.error.contains("cut short"), qPrintable(result.error));
    }
};

DIALTRAK_TEST(TstJournalReader)
#include "tst_journalreader.moc"
