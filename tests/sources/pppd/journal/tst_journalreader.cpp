#include "journalexport.h"
#include "localzone.h"
#include "sources/pppd/journal/journalreader.h"
#include "testregistry.h"

#include <QFile>
#include <QTest>
#include <optional>

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
    // Each record at the local time it was logged, on both sides of a clock change.
    void localTimes()
    {
        const LocalZone london;
        JournalExport log;
        for (const QDate day : {QDate(2024, 3, 31), QDate(2024, 10, 27)})
            for (const QTime time : {QTime(0, 59, 30), QTime(1, 0, 30)})
                log.pppd(QDateTime(day, time, Qt::UTC), 7, "Exit.");
        // Days that keep one offset, read after a day that changed it.
        log.pppd(QDateTime(QDate(2024, 10, 28), QTime(23, 30), Qt::UTC), 7, "Exit.");
        log.pppd(QDateTime(QDate(2025, 7, 1), QTime(23, 30), Qt::UTC), 7, "Exit.");
        F journal;
        QVERIFY(journal.write(log));
        QStringList local;
        for (const PppdRecord& record : read(journal.dir()).records)
            local << record.when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        QCOMPARE(local, QStringList({"2024-03-31 00:59:30", "2024-03-31 02:00:30",
                                     "2024-10-27 01:59:30", "2024-10-27 01:00:30",
                                     "2024-10-28 23:30:00", "2025-07-02 00:30:00"}));
    }

    // Each record where it stands on its boot's monotonic clock, which a step of the wall clock
    // does not move.
    void monotonicClock()
    {
        const QDateTime start = F::at("10:00:00");
        JournalExport log;
        log.pppd(start, 7, "Connect: ppp0 <--> /dev/ttyS0").stepWallClock(-6000);
        log.pppd(start.addSecs(3000), 7, "Modem hangup");
        F journal;
        QVERIFY(journal.write(log));
        const QList<PppdRecord> records = read(journal.dir()).records;
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(1).when, start.addSecs(-3000));
        const QByteArray boot = QByteArray::fromHex("5b1e0f2a9c8d4e7f8a6b3c2d1e0f9a8b");
        const quint64 atStart =
            quint64(QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC).secsTo(start)) * 1000000;
        QCOMPARE(records.at(0).monotonic, (BootClock{boot, atStart}));
        QCOMPARE(records.at(1).monotonic, (BootClock{boot, atStart + 3000000000}));
    }

    void resumes_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("lost");
        QTest::addColumn<QString>("appendTo"); // the second batch's file; empty for none
        const QStringList first = F::first().pppdLines();
        const QStringList second = F::second().pppdLines();
        QTest::newRow("after the last cursor") << "after" << second << false << "x.journal";
        QTest::newRow("after the last cursor, new file")
            << "after" << second << false << "y.journal";
        QTest::newRow("after the last cursor, nothing new")
            << "after" << QStringList() << false << "";
        QTest::newRow("at the call in progress")
            << "at" << first.mid(13) + second << false << "x.journal";
        QTest::newRow("since a moment")
            << "since" << first.mid(14) + second << false << "x.journal";
        QTest::newRow("invalid cursor") << "invalid" << first + second << true << "x.journal";
        QTest::newRow("cursor of another journal")
            << "foreign" << first + second << true << "x.journal";
        QTest::newRow("cursor of another journal, since a moment")
            << "foreign since" << first.mid(14) + second << true << "x.journal";
    }
    void resumes()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, expected);
        QFETCH(bool, lost);
        QFETCH(QString, appendTo);
        F journal;
        QVERIFY(journal.write(F::first()));
        // Read from the start: pppd's own records, the calls' "Connect:" records as their points.
        const JournalReadResult first = read(journal.dir());
        QVERIFY2(first.ok(), qPrintable(first.error));
        QCOMPARE(F::recordLines(first.records), F::first().pppdLines());
        QCOMPARE(first.connectPoints.size(), 2);
        QCOMPARE(first.connectPoints[0].record, 4);
        QCOMPARE(first.connectPoints[1].record, 13);
        QVERIFY(!first.cursorLost);
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

    // Failures are reported with the records read before them. The journal is read as it was
    // opened: a file rotated away or vacuumed after that is read whole, and the next reader
    // finds what was written since; a file cut short is reported.
    void changesAndDamage_data()
    {
        QTest::addColumn<int>("kept"); // how many of the first batch's records are read
        QTest::addColumn<QString>("error");
        QTest::newRow("missing folder") << 0 << "does not exist";
        QTest::newRow("not a folder") << 0 << "is not a folder";
        // The other file is read whole.
        QTest::newRow("damaged file header") << 16 << "y.journal is damaged and was not read";
        // Damaged from the first call's end on.
        QTest::newRow("damaged entries") << 7 << "Part of the journal is damaged";
        QTest::newRow("rotated while open") << 16 << "";
        QTest::newRow("vacuumed while open") << 16 << "";
        QTest::newRow("cut short while open") << 0 << "cut short";
    }
    void changesAndDamage()
    {
        QFETCH(int, kept);
        QFETCH(QString, error);
        const QString change = QTest::currentDataTag();
        F journal;
        QVERIFY(journal.write(F::first()));
        std::optional<JournalReader> open;
        if (change.endsWith(" while open"))
            open.emplace(JournalLocation::directory(journal.dir()));
        QString folder = journal.dir();
        if (change == "missing folder")
            folder = journal.path("none");
        else if (change == "not a folder")
            folder = journal.path("x.journal");
        else if (change == "damaged file header")
            QVERIFY(journal.write(F::second(), "y.journal") &&
                    ::damage(journal.path("y.journal"), {}));
        else if (change == "damaged entries")
            QVERIFY(::damage(journal.path("x.journal"), "MESSAGE=Modem hangup"));
        else if (change == "rotated while open")
            QVERIFY(QFile::rename(journal.path("x.journal"), journal.path("x@0001.journal~")) &&
                    journal.write(F::second()));
        else if (change == "vacuumed while open")
            QVERIFY(QFile::remove(journal.path("x.journal")));
        else
            QVERIFY(QFile::resize(journal.path("x.journal"), 4096));
        const JournalReadResult result = open ? open->read({}) : read(folder);
        QVERIFY2(error.isEmpty() ? result.ok() : result.error.contains(error),
                 qPrintable(result.error));
        QCOMPARE(F::recordLines(result.records), F::first().pppdLines().mid(0, kept));
        if (open) {
            const JournalReadResult next = read(folder, JournalStart::after(result.lastCursor));
            QCOMPARE(F::recordLines(next.records),
                     change.startsWith("rotated") ? F::second().pppdLines() : QStringList());
        }
    }
};

DIALTRAK_TEST(TstJournalReader)
#include "tst_journalreader.moc"
