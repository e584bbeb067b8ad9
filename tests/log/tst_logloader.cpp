#include "foldersnapshot.h"
#include "localzone.h"
#include "log/connectiontable.h"
#include "log/extrainfofile.h"
#include "log/loadsession.h"
#include "log/logloader.h"
#include "logfixture.h"
#include "modemlogbuilder.h"
#include "platform/progresssink.h"
#include "recordingprogress.h"
#include "sources/pppd/syslog/syslogsource.h"
#include "sources/sourcechoice.h"
#include "tariff/tarifftable.h"
#include "testregistry.h"

#include <QTest>
#include <ctime>
#include <memory>

Q_DECLARE_METATYPE(LogLoader::Notes)

namespace
{
// Records the slots it was asked to cost and marks each connection like costing does.
struct CountingCoster {
    QList<int> slots;
    QList<int> failing; // slots whose costing does not take the normal path
    LogLoader::Coster coster()
    {
        return [this](ConnectionTable& table, int slot) {
            slots << slot;
            table[slot].otherinfo =
                failing.contains(slot) ? QStringLiteral("ERROR") : QStringLiteral("Peak Rate");
            return !failing.contains(slot);
        };
    }
};

struct Load {
    LogFixture files;
    ConnectionTable table;
    RecordingProgress progress;
    CountingCoster costs;
    std::unique_ptr<ModemLogSource> source = files.modemLogSource();
    std::unique_ptr<LogLoader> loader =
        std::make_unique<LogLoader>(table, costs.coster(), progress, *source);
};
// pppd's lines, "hh:mm:ss pid message" on 8 December 2026 (UTC), added to a syslog-style file.
void appendPppd(const QString& path, const QStringList& lines)
{
    QByteArray bytes = TextFile::readBytes(path).value_or(QByteArray());
    for (const QString& line : lines)
        bytes += "2026-12-08T" + line.section(' ', 0, 0).toLatin1() + "Z box pppd[" +
                 line.section(' ', 1, 1).toLatin1() + "]: " + line.section(' ', 2).toUtf8() + '\n';
    LogFixture::write(path, bytes);
}
} // namespace

class TstLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingModemLog()
    {
        Load load;
        load.table.append(LogFixture::connection("2000-01-01", "10:00:00", "10:01:00"));
        load.table.writtenViewCurrent = true;
        const LoadReport report = load.loader->lookinlog();
        QVERIFY(!report.modemLogOpened);
        QCOMPARE(load.table.connectioncount(), 0);
        QVERIFY(!load.table.writtenViewCurrent);
        QVERIFY(!load.progress.enabled);
        QVERIFY(!QFile::exists(load.files.ownLogPath()));

        // A live read leaves the connections shown until the source is back.
        load.table.append(LogFixture::connection("2000-01-01", "10:00:00", "10:01:00"));
        QVERIFY(load.loader->lookinlog(LogLoader::Notes::AsCosted, LogLoader::Reading::Live)
                    .sourceLost);
        QCOMPARE(load.table.connectioncount(), 1);
    }

    void firstRunWritesEveryModemConnection()
    {
        Load load;
        load.files.writeModemLog(ModemLogBuilder()
                                     .call("03-14-2000", "19:42:34", "20:31:52")
                                     .call("03-14-2000", "23:47:57", "01:06:18", "03-15-2000")
                                     .bytes());
        const LoadReport report = load.loader->lookinlog();
        QVERIFY(report.modemLogOpened);
        QVERIFY(report.ownLogWritten);
        QCOMPARE(report.connectionsRead, 2);
        const QStringList expected{"2000-03-14 19:42:34 20:31:52", "2000-03-14 23:47:57 01:06:18"};
        QCOMPARE(LogFixture::rows(load.table), expected);
        QCOMPARE(load.files.ownLog(),
                 (QStringList{LogFixture::record("2000-03-14", "19:42:34", "20:31:52"),
                              LogFixture::record("2000-03-14", "23:47:57", "01:06:18")}));
        QCOMPARE(load.costs.slots, (QList<int>{1, 2}));

        // A second load finds the same two once, however often it runs.
        load.costs.slots.clear();
        load.loader->lookinlog();
        QCOMPARE(LogFixture::rows(load.table), expected);
        QCOMPARE(load.files.ownLog().size(), 2);
    }

    void unreadableOwnLogLinesKeepTheirPlaceAndNotes()
    {
        // A record in a form that cannot be read here (written under another locale, say) is
        // still a connection: its line stays where it stood, byte for byte (it may be in an
        // encoding nobody can tell yet), and so does its note, so no note moves to another call.
        Load load;
        const QByteArray unreadable = "\"15 F\xe9v 2000\",\"11:00:00\",\"11:10:00\"";
        const QByteArray first = LogFixture::record("2000-01-01", "10:00:00", "10:10:00").toUtf8();
        const QByteArray third = LogFixture::record("2000-03-01", "10:00:00", "10:10:00").toUtf8();
        const QByteArray fourth = LogFixture::record("2000-04-02", "10:00:00", "10:10:00").toUtf8();
        LogFixture::write(load.files.ownLogPath(),
                          first + "\r\n" + unreadable + "\r\n" + third + "\r\n");
        load.files.writeModemLog(
            ModemLogBuilder().call("04-02-2000", "10:00:00", "10:10:00").bytes());
        const ExtraInfoFile notes(
            ExtraInfoFile::pathFor(load.files.logpath(), load.files.programDirectory()));
        QDir().mkpath(load.files.programDirectory());
        LogFixture::write(notes.path(), "\"one\"\r\n\"kept aside\"\r\n\"three\"\r\n\"four\"\r\n");

        const LoadReport report = load.loader->lookinlog();
        QVERIFY(report.ownLogWritten);
        QCOMPARE(report.unreadableLines.size(), 1);
        QCOMPARE(*TextFile::readBytes(load.files.ownLogPath()),
                 first + "\r\n" + unreadable + "\r\n" + third + "\r\n" + fourth + "\r\n");
        QStringList shown;
        for (int slot = 1; slot <= load.table.connectioncount(); ++slot)
            shown << load.table[slot].otherinfo;
        QCOMPARE(shown, (QStringList{"one", "three", "four"}));

        load.table[2].otherinfo = QStringLiteral("three, edited");
        QVERIFY(notes.savetheextrabits(load.table, nullptr, report.noteLines));
        QCOMPARE(TextFile::readLines(notes.path()),
                 (QStringList{"\"one\"", "\"kept aside\"", "\"three, edited\"", "\"four\""}));
    }

    void statusAndProgress()
    {
        Load load;
        load.files.writeModemLog(
            ModemLogBuilder().call("04-02-2000", "10:00:00", "10:10:00").bytes());
        load.table.writtenViewCurrent = load.table.tableViewCurrent = true;
        load.loader->lookinlog();
        QCOMPARE(load.progress.statuses,
                 (QStringList{"Opening modem log file...", "Scanning modem log file...",
                              "Opening dtk log file...", "Reading dtk log file...", ""}));
        QCOMPARE(load.progress.values.first(), 0);
        QCOMPARE(load.progress.values.last(), 0);
        QVERIFY(load.progress.values.contains(100)); // costing the last of the slots
        QVERIFY(!load.progress.enabled);
        QVERIFY(!load.table.writtenViewCurrent);
        QVERIFY(!load.table.tableViewCurrent);
    }

    void emptiedModemLogGivesOwnLog()
    {
        Load load;
        load.files.writeModemLog({});
        load.files.writeOwnLog({LogFixture::record("2000-04-01", "10:00:00", "10:10:00"),
                                LogFixture::record("15 04 2000", "11:00:00", "11:10:00"),
                                LogFixture::record("16/04/00", "12:00:00", "12:10:00")});
        const LoadReport report = load.loader->lookinlog();
        QCOMPARE(report.connectionsRead, 3);
        QCOMPARE(LogFixture::rows(load.table),
                 (QStringList{"2000-04-01 10:00:00 10:10:00", "2000-04-15 11:00:00 11:10:00",
                              "2000-04-16 12:00:00 12:10:00"}));
        QCOMPARE(load.costs.slots, (QList<int>{1, 2, 3}));
        // The older forms are rewritten in the one that reads the same in every locale.
        QCOMPARE(load.files.ownLog().at(1),
                 LogFixture::record("2000-04-15", "11:00:00", "11:10:00"));
        QCOMPARE(load.files.ownLog().at(2),
                 LogFixture::record("2000-04-16", "12:00:00", "12:10:00"));
    }

    void restartFromTheOwnLogKeepsEveryCall_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QStringList>("expected");
        // The modem log as the first load saw it, then as the second (after the close emptied
        // it and the driver wrote on): the second load stands on the own log.
        QTest::newRow("unknown end, then a call days later at the same second")
            << ModemLogBuilder()
                   .call("04-02-2000", "10:05:00", "")
                   .call("04-05-2000", "10:05:00", "11:00:00")
                   .bytes()
            << QByteArray()
            << QStringList{"2000-04-02 10:05:00 10:05:00", "2000-04-05 10:05:00 11:00:00"};
        QTest::newRow("two established in one second, one hang-up")
            << ModemLogBuilder()
                   .call("04-02-2000", "10:05:00", "")
                   .call("04-02-2000", "10:05:00", "11:00:12")
                   .bytes()
            << QByteArray()
            << QStringList{"2000-04-02 10:05:00 10:05:00", "2000-04-02 10:05:00 11:00:12"};
        QTest::newRow("two short calls in one minute")
            << ModemLogBuilder().call("04-02-2000", "10:05:01", "10:05:20").bytes()
            << ModemLogBuilder().call("04-02-2000", "10:05:40", "10:05:58").bytes()
            << QStringList{"2000-04-02 10:05:01 10:05:20", "2000-04-02 10:05:40 10:05:58"};
        QTest::newRow("in progress, then completed")
            << ModemLogBuilder().call("04-02-2000", "10:05:00", "").bytes()
            << ModemLogBuilder().call("04-02-2000", "10:05:00", "11:00:12").bytes()
            << QStringList{"2000-04-02 10:05:00 11:00:12"};
    }
    void restartFromTheOwnLogKeepsEveryCall()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QStringList, expected);
        Load load;
        load.files.writeModemLog(first);
        load.loader->lookinlog();
        load.files.writeModemLog(second);
        load.loader->lookinlog();
        QCOMPARE(LogFixture::rows(load.table), expected);
        // And once more, as at every later start.
        load.loader->lookinlog();
        QCOMPARE(LogFixture::rows(load.table), expected);
        QCOMPARE(load.files.ownLog().size(), expected.size());
    }

    void inProgressDuplicateRepeats()
    {
        Load load;
        // Written while the call was in progress; the modem log has since been cut and holds
        // the completed call only.
        load.files.writeOwnLog({LogFixture::record("2000-04-01", "09:00:00", "09:10:00"),
                                LogFixture::record("2000-04-02", "10:05:00", "10:05:00")});
        load.files.writeModemLog(
            ModemLogBuilder().call("04-02-2000", "10:05:00", "11:00:12").bytes());
        const LoadReport report = load.loader->lookinlog();
        QCOMPARE(report.droppedDuplicates, 1);
        QVERIFY(report.ownLogWritten);
        const QStringList expected{"2000-04-01 09:00:00 09:10:00", "2000-04-02 10:05:00 11:00:12"};
        QCOMPARE(LogFixture::rows(load.table), expected);
        QCOMPARE(load.files.ownLog(),
                 (QStringList{LogFixture::record("2000-04-01", "09:00:00", "09:10:00"),
                              LogFixture::record("2000-04-02", "10:05:00", "11:00:12")}));
        // The repeat scanned the modem log a second time.
        QCOMPARE(load.progress.statuses.count("Scanning modem log file..."), 2);
        QCOMPARE(load.costs.slots, (QList<int>{1, 2}));
    }

    void aCallAcrossTheClocksGoingBackIsOneCall()
    {
        // In London the clocks went back at 02:00 BST on 29 October 2000. A call from 01:50 BST
        // was loaded while in progress, then hung up at 01:10 GMT: its completed copy is the same
        // call, so no record of it stays behind as a call of unknown end.
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "Europe/London");
        tzset();
        Load load;
        const auto refresh = [&](const ModemLogBuilder& more) {
            QFile log(load.files.logpath());
            QVERIFY(log.open(QIODevice::Append));
            log.write(more.bytes());
            log.close();
            load.loader->lookinlog();
        };
        refresh(ModemLogBuilder().call("10-29-2000", "01:20:00", "01:30:00"));
        refresh(ModemLogBuilder().line("10-29-2000", "01:50:00", "Connection established"));
        refresh(ModemLogBuilder().line("10-29-2000", "01:10:00", "Hanging up the modem."));
        refresh(ModemLogBuilder().call("10-29-2000", "01:20:00", "01:40:00"));
        QCOMPARE(LogFixture::rows(load.table),
                 (QStringList{"2000-10-29 01:20:00 01:30:00", "2000-10-29 01:50:00 01:10:00",
                              "2000-10-29 01:20:00 01:40:00"}));
        if (zone.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", zone);
        tzset();
    }

    void aCallInProgressBeforeTheClockWentBackKeepsTheNotesInPlace()
    {
        // The clock went back between the second and the third call, which was loaded while in
        // progress and ended at 01:35.
        Load load;
        const ModemLogBuilder before = ModemLogBuilder()
                                           .call("04-02-2000", "00:30:00", "00:50:00")
                                           .call("04-02-2000", "01:40:00", "01:55:00");
        load.files.writeModemLog(
            ModemLogBuilder(before).call("04-02-2000", "01:10:00", "").bytes());
        load.loader->lookinlog();
        QDir().mkpath(load.files.programDirectory());
        LogFixture::write(
            ExtraInfoFile::pathFor(load.files.logpath(), load.files.programDirectory()),
            "\"\"\r\n\"the 01:40 call\"\r\n");
        load.files.writeModemLog(
            ModemLogBuilder(before).call("04-02-2000", "01:10:00", "01:35:00").bytes());
        load.loader->lookinlog(LogLoader::Notes::Everywhere);
        const QStringList expected{"2000-04-02 00:30:00 00:50:00", "2000-04-02 01:40:00 01:55:00",
                                   "2000-04-02 01:10:00 01:35:00"};
        QCOMPARE(LogFixture::rows(load.table), expected);
        QCOMPARE(load.table[2].otherinfo, QStringLiteral("the 01:40 call"));
        QCOMPARE(load.table[3].otherinfo, QStringLiteral("Peak Rate"));
        QCOMPARE(load.files.ownLog().size(), expected.size());
    }

    void modemLogPairIsNotADuplicate()
    {
        // A connection with no hang-up followed by one starting the same second: two calls in
        // the modem log itself. Both stay, and the load ends.
        Load load;
        load.files.writeModemLog(ModemLogBuilder()
                                     .call("04-02-2000", "10:05:00", "")
                                     .call("04-02-2000", "10:05:00", "11:00:12")
                                     .bytes());
        const LoadReport report = load.loader->lookinlog();
        QCOMPARE(report.droppedDuplicates, 0);
        QCOMPARE(LogFixture::rows(load.table),
                 (QStringList{"2000-04-02 10:05:00 10:05:00", "2000-04-02 10:05:00 11:00:12"}));
        QCOMPARE(load.files.ownLog().size(), 2);
        QCOMPARE(load.progress.statuses.count("Scanning modem log file..."), 1);
    }

    void overflowKeepsEveryConnectionInOwnLog()
    {
        Load load;
        QStringList own;
        const QDate first(1999, 1, 1);
        for (int i = 0; i < 990; ++i)
            own << LogFixture::record(first.addDays(i).toString(Qt::ISODate), "10:00:00",
                                      "10:30:00");
        load.files.writeOwnLog(own);
        ModemLogBuilder modem;
        for (int i = 0; i < 20; ++i)
            modem.call(first.addDays(1000 + i).toString("MM-dd-yyyy"), "20:00:00", "20:10:00");
        load.files.writeModemLog(modem.bytes());

        const LoadReport report = load.loader->lookinlog();
        QCOMPARE(report.connectionsRead, 1010);
        QVERIFY(report.overflow);
        QCOMPARE(load.table.connectioncount(), ConnectionTable::Capacity);
        QCOMPARE(load.table[1].conndate, QString("1999-01-01"));
        QCOMPARE(load.table[1000].conndate, first.addDays(1009).toString(Qt::ISODate));
        const QStringList written = load.files.ownLog();
        QCOMPARE(written.size(), 1010);
        QCOMPARE(written.last(), LogFixture::record(first.addDays(1019).toString(Qt::ISODate),
                                                    "20:00:00", "20:10:00"));
        QCOMPARE(load.costs.slots.size(), 1000);

        // The next load reads them all again: nothing is lost across loads either.
        QCOMPARE(load.loader->lookinlog().connectionsRead, 1010);
        QCOMPARE(load.files.ownLog().size(), 1010);
    }

    void olderModemLogLosesNothing()
    {
        // The own log holds a call the modem log (an older copy put back) never saw.
        Load load;
        load.files.writeOwnLog({LogFixture::record("2000-04-01", "10:00:00", "10:10:00"),
                                LogFixture::record("2000-04-02", "11:00:00", "11:30:00"),
                                LogFixture::record("2000-04-03", "12:00:00", "12:30:00")});
        load.files.writeModemLog(
            ModemLogBuilder().call("04-02-2000", "11:00:00", "11:30:00").bytes());
        const LoadReport report = load.loader->lookinlog();
        QCOMPARE(report.connectionsRead, 3);
        QCOMPARE(load.files.ownLog().size(), 3);
        QCOMPARE(LogFixture::rows(load.table).last(), QString("2000-04-03 12:00:00 12:30:00"));
    }

    void noConnectionsLeavesOwnLogAlone()
    {
        Load load;
        load.files.writeModemLog("nothing here\r\n");
        load.files.writeOwnLog({"\"garbage\""});
        const LoadReport report = load.loader->lookinlog();
        QCOMPARE(report.connectionsRead, 0);
        QVERIFY(!report.ownLogWritten);
        QVERIFY(report.ownLogError.isEmpty());
        QCOMPARE(load.files.ownLog(), QStringList{"\"garbage\""});
    }

    void extraInformationOverlay_data()
    {
        using Notes = LogLoader::Notes;
        QTest::addColumn<QList<int>>("failing");
        QTest::addColumn<LogLoader::Notes>("notes");
        QTest::addColumn<QStringList>("otherinfo");
        // Texts for connections 1 and 3; connection 2 has none and keeps its marker.
        QTest::newRow("all costed")
            << QList<int>{} << Notes::AsCosted << QStringList{"text 1", "Peak Rate", "text 3"};
        QTest::newRow("last costing failed")
            << QList<int>{3} << Notes::AsCosted << QStringList{"text 1", "Peak Rate", "ERROR"};
        QTest::newRow("a middle costing failed")
            << QList<int>{1} << Notes::AsCosted << QStringList{"text 1", "Peak Rate", "text 3"};
        QTest::newRow("none costed")
            << QList<int>{1, 2, 3} << Notes::AsCosted << QStringList{"ERROR", "ERROR", "ERROR"};
        // The start-up lays every note over the table, whatever its costing did.
        QTest::newRow("none costed, at start-up")
            << QList<int>{1, 2, 3} << Notes::Everywhere << QStringList{"text 1", "ERROR", "text 3"};
    }
    void extraInformationOverlay()
    {
        QFETCH(QList<int>, failing);
        QFETCH(LogLoader::Notes, notes);
        QFETCH(QStringList, otherinfo);
        Load load;
        load.costs.failing = failing;
        load.files.writeModemLog(ModemLogBuilder()
                                     .call("04-02-2000", "10:00:00", "10:10:00")
                                     .call("04-02-2000", "11:00:00", "11:10:00")
                                     .call("04-02-2000", "12:00:00", "12:10:00")
                                     .bytes());
        QDir().mkpath(load.files.programDirectory());
        LogFixture::write(
            ExtraInfoFile::pathFor(load.files.logpath(), load.files.programDirectory()),
            "\"text 1\"\r\n\"\"\r\n\"text 3\"\r\n\"surplus\"\r\n");
        load.loader->lookinlog(notes);
        QStringList got;
        for (int slot = 1; slot <= load.table.connectioncount(); ++slot)
            got << load.table[slot].otherinfo;
        QCOMPARE(got, otherinfo);
        // The surplus line lands above the count, where no view reads, once any note was laid.
        QCOMPARE(load.table[4].otherinfo,
                 got.contains("text 1") ? QStringLiteral("surplus") : QString());
    }

    void notesAreLeftAloneWhileTheOwnLogCannotBeRead()
    {
        // The table then holds the modem log's calls only, so note k belongs to another call.
        Load load;
        QVERIFY(QDir().mkpath(load.files.ownLogPath())); // a folder where the own log belongs
        load.files.writeModemLog(
            ModemLogBuilder().call("04-02-2000", "10:00:00", "10:10:00").bytes());
        QDir().mkpath(load.files.programDirectory());
        LogFixture::write(
            ExtraInfoFile::pathFor(load.files.logpath(), load.files.programDirectory()),
            "\"note of the first call ever\"\r\n");
        const LoadReport report = load.loader->lookinlog();
        QVERIFY(!report.notesUsable);
        QCOMPARE(load.table[1].otherinfo, QString("Peak Rate"));
    }

    // As the command line reads: not even an empty own log, the data folder or the file of the
    // calls in progress is made.
    void aReadOnlyLoadMakesNothing_data()
    {
        QTest::addColumn<bool>("systemLog");
        QTest::newRow("a modem log without its own log") << false;
        QTest::newRow("a system log, no data folder yet") << true;
    }
    void aReadOnlyLoadMakesNothing()
    {
        QFETCH(bool, systemLog);
        QTemporaryDir dir;
        const QString data = dir.filePath("data");
        SourceChoice choice{SourceChoice::Kind::ModemLog, dir.filePath("Standard Modem.log")};
        if (systemLog) {
            choice = {SourceChoice::Kind::SystemLog, dir.filePath("syslog")};
            QByteArray lines;
            const QDateTime start(QDate(2024, 12, 8), QTime(18, 0), Qt::UTC);
            for (const auto& [seconds, message] : {std::pair{0, "Connect: ppp0 <--> /dev/ttyS0"},
                                                   {4, "local  IP address 10.64.1.2"},
                                                   {600, "Connection terminated."},
                                                   {700, "Connect: ppp0 <--> /dev/ttyS0"},
                                                   {704, "local  IP address 10.64.1.3"}})
                lines += start.addSecs(seconds).toString(Qt::ISODateWithMs).toLatin1() +
                         " modembox pppd[4000]: " + message + '\n';
            QVERIFY(TextFile::writeBytes(choice.path, lines));
        } else {
            QVERIFY(TextFile::writeBytes(
                choice.path, ModemLogBuilder().call("04-02-2000", "10:00:00", "10:10:00").bytes()));
        }
        const QMap<QString, QByteArray> before = treeSnapshot(dir.path());

        ConnectionTable table;
        const TariffTable tariff;
        SilentProgress progress;
        LoadSession session(table, tariff, progress, data, LoadSession::Writes::Nothing);
        session.use(choice);
        session.load();
        QCOMPARE(table.connectioncount(), 1);
        QCOMPARE(treeSnapshot(dir.path()), before);
    }

    void aCallInProgressIsNoConnectionYet()
    {
        // Two links: the first still up while the second begins and ends.
        const LocalZone zone;
        Load load;
        const QString syslog = load.files.dir() + "/syslog";
        SyslogSource source(syslog, load.files.programDirectory());
        ConnectionTable& table = load.table;
        LogLoader loader(table, {}, load.progress, source);
        appendPppd(syslog, {"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0",
                            "10:00:04 100 local  IP address 10.0.0.1",
                            "10:05:00 200 Connect: ppp1 <--> /dev/ttyS1",
                            "10:05:04 200 local  IP address 10.0.0.2", "10:20:00 200 Modem hangup",
                            "10:20:00 200 Connection terminated.", "10:20:01 200 Exit."});
        QDir().mkpath(load.files.programDirectory());
        LogFixture::write(source.notesPath(), "\"\"\r\n\"the second\"\r\n");

        const LoadReport report = loader.lookinlog(LogLoader::Notes::Everywhere);
        QCOMPARE(LogFixture::rows(table), QStringList{"2026-12-08 10:05:00 10:20:00"});
        QCOMPARE(report.callsInProgress.value(0).record.starttime, QString("10:00:00"));
        // Kept in the own log all the same, as a call whose end is not known yet.
        QCOMPARE(*TextFile::readLines(source.ownLogPath()),
                 (QStringList{LogFixture::record("2026-12-08", "10:00:00", "10:00:00"),
                              LogFixture::record("2026-12-08", "10:05:00", "10:20:00")}));
        // Its line of the notes stays its own.
        QCOMPARE(table[1].otherinfo, QString("the second"));
    }

    void aCallThatEndsWhileFollowedBringsItsBytes()
    {
        const LocalZone zone;
        Load load;
        const QString syslog = load.files.dir() + "/syslog";
        SyslogSource source(syslog, load.files.programDirectory());
        LogLoader loader(load.table, {}, load.progress, source);
        appendPppd(syslog, {"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0",
                            "10:00:04 100 local  IP address 10.0.0.1"});
        loader.lookinlog();
        // Its end and its counts come while the window is open: the own log's copy of the call
        // in progress gives way to the completed call, and the load reads the own log again.
        appendPppd(syslog, {"10:30:00 100 Modem hangup",
                            "10:30:00 100 Sent 1000 bytes, received 250000 bytes.",
                            "10:30:00 100 Connection terminated.", "10:30:01 100 Exit."});
        loader.lookinlog();
        QCOMPARE(LogFixture::rows(load.table), QStringList{"2026-12-08 10:00:00 10:30:00"});
        QCOMPARE(load.table[1].receivedBytes, std::optional<quint64>(250000));
    }

    void modemLogChanged()
    {
        Load load;
        QVERIFY(load.loader->sourceChanged()); // nothing loaded yet
        const QByteArray log = ModemLogBuilder().call("04-02-2000", "10:00:00", "10:10:00").bytes();
        load.files.writeModemLog(log);
        load.loader->lookinlog();
        QVERIFY(!load.loader->sourceChanged());

        QByteArray edited = log;
        edited[0] = '1'; // same size, other bytes
        load.files.writeModemLog(edited);
        QVERIFY(load.loader->sourceChanged());
        load.files.writeModemLog(log);
        QVERIFY(!load.loader->sourceChanged());
        load.files.writeModemLog(log + "04-02-2000 12:00:00.00 - Dialing.\r\n");
        QVERIFY(load.loader->sourceChanged());
        QFile::remove(load.files.logpath());
        QVERIFY(load.loader->sourceChanged());
    }
};

DIALTRAK_TEST(TstLoader)
#include "tst_logloader.moc"
