#include "journalfixture.h"
#include "log/journalreader.h"
#include "testregistry.h"

#include <QFile>
#include <QTest>

namespace
{
using F = JournalFixture;

// A cursor of the right form whose entry is in no journal of these tests.
const QString ForeignCursor = QStringLiteral(
    "s=00000000000000000000000000000001;i=42;b=00000000000000000000000000000002;m=1;t=1;x=1");

JournalReadResult read(const QString& folder, const JournalStart& start = {})
{
    return JournalReader(JournalLocation::directory(folder)).read(start);
}

// Overwrites 4 KiB of path from the first place that holds bytes.
bool damage(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const qint64 offset = bytes.isEmpty() ? 0 : file.readAll().indexOf(bytes);
    return offset >= 0 && file.seek(offset) && file.write(QByteArray(4096, '\xAA')) == 4096;
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
        F journal;
        QVERIFY(journal.write(F::first()));
        const JournalReadResult result = read(journal.dir());
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(F::recordLines(result.records), F::pppdLines(F::first()));
        QCOMPARE(result.connectPoints.size(), 2);
        QCOMPARE(result.connectPoints[0].record, 4);
        QCOMPARE(result.connectPoints[1].record, 13);
        QVERIFY(!result.cursorLost);
    }

    // Each record at the local time it was logged, on both sides of a clock change.
    void localTimes()
    {
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "Europe/London");
        JournalExport log;
        for (const QDate day : {QDate(2024, 3, 31), QDate(2024, 10, 27)})
            for (const QTime time : {QTime(0, 59, 30), QTime(1, 0, 30)})
                log.pppd(QDateTime(day, time, Qt::UTC), 7, "Exit.");
        F journal;
        const bool written = journal.write(log, "x.journal");
        QStringList local;
        for (const PppdRecord& record : read(journal.dir()).records)
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
        const QStringList first = F::pppdLines(F::first());
        const QStringList second = F::pppdLines(F::second());
        QTest::newRow("after the last cursor, same file") << "after"
                                                          << "x.journal" << second << false;
        QTest::newRow("after the last cursor, new file") << "after"
                                                         << "y.journal" << second << false;
        QTest::newRow("after the last cursor, nothing new") << "after"
                                                            << "" << QStringList() << false;
        QTest::newRow("at the call in progress") << "at"
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
        F journal;
        QVERIFY(journal.write(F::first()));
        const JournalReadResult first = read(journal.dir());
        if (!appendTo.isEmpty())
            QVERIFY(journal.write(F::second(), appendTo));

        const QDateTime moment = F::at("18:02:44");
        const JournalStart from = start == "after" ? JournalStart::after(first.lastCursor)
                                  : start == "at"  ? JournalStart::at(first.connectPoints[1].cursor)
                                  : start == "since"   ? JournalStart::since(moment)
                                  : start == "invalid" ? JournalStart::after("not a cursor")
                                  : start == "foreign" ? JournalStart::after(ForeignCursor)
                                                       : JournalStart::after(ForeignCursor, moment);
        const JournalReadResult next = read(journal.dir(), from);
        QVERIFY2(next.ok(), qPrintable(next.error));
        QCOMPARE(F::recordLines(next.records), expected);
        QCOMPARE(next.cursorLost, lost);
        // Read again from where this read stopped: nothing is new.
        const JournalReadResult again = read(journal.dir(), JournalStart::after(next.lastCursor));
        QVERIFY(again.records.isEmpty());
        QVERIFY(!again.cursorLost);
    }

    void reportsFailures_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("kept"); // how many of the first batch's records are read
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
        F journal;
        QVERIFY(journal.write(F::first()));
        QString folder = journal.dir();
        if (damage == "missing folder")
            folder = journal.path("none");
        else if (damage == "not a folder")
            folder = journal.path("x.journal");
        else if (damage == "damaged header")
            QVERIFY(journal.write(F::second(), "y.journal") &&
                    ::damage(journal.path("y.journal"), {}));
        else
            QVERIFY(::damage(journal.path("x.journal"), "MESSAGE=Modem hangup"));
        const JournalReadResult result = read(folder);
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        QCOMPARE(F::recordLines(result.records), F::pppdLines(F::first()).mid(0, kept));
    }

    // The journal is read as it was opened: a file rotated away or vacuumed after that is read
    // whole, and the next reader finds what was written since; a file cut short is reported.
    void filesChangingWhileOpen_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("next");
        const QStringList first = F::pppdLines(F::first());
        QTest::newRow("rotated") << "rotated"
                                 << "" << first << F::pppdLines(F::second());
        QTest::newRow("vacuumed") << "vacuumed"
                                  << "" << first << QStringList();
        QTest::newRow("cut short") << "cut short"
                                   << "cut short" << QStringList() << QStringList();
    }
    void filesChangingWhileOpen()
    {
        QFETCH(QString, change);
        QFETCH(QString, error);
        QFETCH(QStringList, records);
        QFETCH(QStringList, next);
        F journal;
        QVERIFY(journal.write(F::first()));
        JournalReader reader(JournalLocation::directory(journal.dir()));
        if (change == "rotated")
            QVERIFY(QFile::rename(journal.path("x.journal"), journal.path("x@0001.journal~")) &&
                    journal.write(F::second()));
        else if (change == "vacuumed")
            QVERIFY(QFile::remove(journal.path("x.journal")));
        else
            QVERIFY(QFile::resize(journal.path("x.journal"), 4096));
        const JournalReadResult result = reader.read({});
        QVERIFY2(error.isEmpty() ? result.ok() : result.error.contains(error),
                 qPrintable(result.error));
        QCOMPARE(F::recordLines(result.records), records);
        const JournalReadResult after = read(journal.dir(), JournalStart::after(result.lastCursor));
        QCOMPARE(F::recordLines(after.records), next);
    }
};

DIALTRAK_TEST(TstJournalReader)
#include "tst_journalreader.moc"
