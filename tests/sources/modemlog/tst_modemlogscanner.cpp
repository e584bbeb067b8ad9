#include "modemlogbuilder.h"
#include "recordingprogress.h"
#include "sources/modemlog/modemlogscanner.h"
#include "testregistry.h"

#include <QTest>

namespace
{
QStringList rows(const QList<DatedConnection>& found)
{
    QStringList out;
    for (const DatedConnection& c : found)
        out << c.record.conndate + QLatin1Char(' ') + c.record.starttime + QLatin1Char(' ') +
                   c.record.endtime;
    return out;
}

// The log fed in pieces of `size` bytes, each carrying the end of the one before, as a load
// reads a file.
QList<DatedConnection> scanInPieces(QByteArrayView log, qsizetype size)
{
    ModemLogScanner scanner;
    for (qsizetype end = 0; end < log.size();) {
        const qsizetype start = qMax<qsizetype>(0, end - ModemLogScanner::Carry);
        end = qMin(log.size(), end + size);
        scanner.feed(log.sliced(start, end - start), start);
    }
    return scanner.finish();
}

// The Windows 2000/XP layout: a 12-character time, the message at column 27.
QByteArray xpLine(const char* date, const char* time, const char* message)
{
    return QByteArray(date) + ' ' + time + " - " + message + "\r\n";
}
} // namespace

class TstScanner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scan_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("one call")
            << ModemLogBuilder().call("03-14-2000", "19:42:34", "20:31:52").bytes()
            << QStringList{"14 Mar 00 19:42:34 20:31:52"};
        QTest::newRow("04-15-2000 is 15 Apr 00")
            << ModemLogBuilder().call("04-15-2000", "10:00:00", "10:30:00").bytes()
            << QStringList{"15 Apr 00 10:00:00 10:30:00"};
        QTest::newRow("over midnight, end time of the next day")
            << ModemLogBuilder().call("03-14-2000", "23:47:57", "01:06:18", "03-15-2000").bytes()
            << QStringList{"14 Mar 00 23:47:57 01:06:18"};
        QTest::newRow("two connections, no hang-up between")
            << ModemLogBuilder()
                   .call("04-02-2000", "10:16:15", "")
                   .call("04-02-2000", "21:04:06", "21:30:00")
                   .bytes()
            << QStringList{"02 Apr 00 10:16:15 10:16:15", "02 Apr 00 21:04:06 21:30:00"};
        QTest::newRow("no hang-up at the end")
            << ModemLogBuilder()
                   .call("04-02-2000", "10:16:15", "10:38:02")
                   .call("04-02-2000", "21:04:06", "")
                   .bytes()
            << QStringList{"02 Apr 00 10:16:15 10:38:02", "02 Apr 00 21:04:06 21:04:06"};
        QTest::newRow("bad date dropped, the next takes its place")
            << ModemLogBuilder()
                   .call("13-02-2000", "10:16:15", "10:38:02")
                   .call("04-31-2000", "11:00:00", "11:10:00")
                   .call("04-03-2000", "12:00:00", "12:30:00")
                   .bytes()
            << QStringList{"03 Apr 00 12:00:00 12:30:00"};
        QTest::newRow("bad start time dropped") << ModemLogBuilder()
                                                       .call("04-02-2000", "25:16:15", "10:38:02")
                                                       .call("04-03-2000", "12:00:00", "12:30:00")
                                                       .bytes()
                                                << QStringList{"03 Apr 00 12:00:00 12:30:00"};
        QTest::newRow("phrase too near the start")
            << QByteArray("2000 10:16:15.10 - Connection established at 44000bps.\r\n") +
                   ModemLogBuilder().call("04-03-2000", "12:00:00", "12:30:00").bytes()
            << QStringList{"03 Apr 00 12:00:00 12:30:00"};
        QTest::newRow("phrase at the very start")
            << QByteArray("Connection established\r\nHanging up the modem.") << QStringList();
        QTest::newRow("XP layout")
            << xpLine("09-23-2003", "20:14:03.387", "Send: ATDT5550193<cr>") +
                   xpLine("09-23-2003", "20:14:30.871", "Connection established at 48000bps.") +
                   xpLine("09-23-2003", "20:21:00.871", "Read: Total: 861402, Per/Sec: 3825") +
                   xpLine("09-23-2003", "20:21:48.074", "Hanging up the modem.") +
                   xpLine("09-23-2003", "20:21:48.541", "Session Statistics:")
            << QStringList{"23 Sept 03 20:14:30 20:21:48"};
        QTest::newRow("LF line ends") << ModemLogBuilder()
                                             .call("04-03-2000", "12:00:00", "12:30:00")
                                             .bytes()
                                             .replace("\r", "")
                                      << QStringList{"03 Apr 00 12:00:00 12:30:00"};
        QTest::newRow("unreadable hang-up line drops the call")
            << ModemLogBuilder().line("04-03-2000", "12:00:00", "Connection established").bytes() +
                   "bad - Hanging up the modem.\r\n" +
                   ModemLogBuilder().call("04-04-2000", "13:00:00", "13:30:00").bytes()
            << QStringList{"04 Apr 00 13:00:00 13:30:00"};
        QTest::newRow("date and time on the line before")
            << QByteArray("04-02-2000  \n 05:00 - Connection established at 44000bps.\r\n"
                          "04-02-2000 10:00:00.07 - Hanging up the modem.\r\n")
            << QStringList();
        QTest::newRow("damaged times read as hh:mm:ss")
            << QByteArray("04-03-2000 10:05 PM - Connection established at 44000bps.\r\n"
                          "04-03-2000 23:00    - Hanging up the modem.\r\n")
            << QStringList{"03 Apr 00 22:05:00 23:00:00"};
    }
    void scan()
    {
        QFETCH(QByteArray, log);
        QFETCH(QStringList, expected);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QStringList got = rows(ModemLogScanner::scan(log));
        // However the log is cut into pieces, a phrase or a stamp cut in two included.
        for (const qsizetype piece : {1, 7, 22, 63, 200})
            QCOMPARE(rows(scanInPieces(log, piece)), got);
        // The month abbreviation for September depends on the locale data's age.
        for (QString& row : got)
            row.replace(QLatin1String(" Sep "), QLatin1String(" Sept "));
        QCOMPARE(got, expected);
    }

    void keepsFullDate()
    {
        // The day is kept whole, so a log of 2031 is not read back as 1931.
        const QList<DatedConnection> found = ModemLogScanner::scan(
            ModemLogBuilder().call("01-05-2031", "10:00:00", "10:05:00").bytes());
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().date, QDate(2031, 1, 5));
        QVERIFY(!found.first().fromOwnLog);
    }

    void lostLineBreaks()
    {
        // A log whose line breaks were lost on the way (one line of 10 MB): every call still
        // reads its own date and times, from the stamp right in front of its phrase.
        ModemLogBuilder builder;
        const QDate first(2000, 1, 1);
        const int calls = 24000;
        for (int i = 0; i < calls; ++i)
            builder.call(first.addDays(i).toString("MM-dd-yyyy"), "10:00:00", "10:30:00");
        const QByteArray log = builder.bytes().replace("\r\n", " ");
        QVERIFY(log.size() > 10'000'000);
        const QList<DatedConnection> found = ModemLogScanner::scan(log);
        QCOMPARE(found.size(), calls);
        QCOMPARE(found.first().date, first);
        QCOMPARE(found.last().date, first.addDays(calls - 1));
        QCOMPARE(found.last().record.endtime, QString("10:30:00"));
        QCOMPARE(rows(scanInPieces(log, 1 << 20)), rows(found));
    }

    void progressFollowsHangUps()
    {
        // Each hang-up moves the bar on, up to the last; the load ends it at 0.
        const QByteArray log = ModemLogBuilder()
                                   .call("04-02-2000", "10:00:00", "10:10:00")
                                   .call("04-02-2000", "11:00:00", "11:10:00")
                                   .call("04-02-2000", "12:00:00", "")
                                   .bytes();
        RecordingProgress progress;
        ModemLogScanner::scan(log, &progress);
        QCOMPARE(progress.values.size(), 2);
        QVERIFY(progress.values.first() > 0);
        QVERIFY(progress.values.first() < progress.values.last());
        QVERIFY(progress.values.last() < 100);
    }
};

DIALTRAK_TEST(TstScanner)
#include "tst_modemlogscanner.moc"
