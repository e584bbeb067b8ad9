#include "app/commandline.h"
#include "modemlogbuilder.h"
#include "platform/formats.h"
#include "platform/settingsstore.h"
#include "platform/textfile.h"
#include "testregistry.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// A user's files for the real program: a call made today that the own log does not hold yet, an
// older call in both, a note on the older one, and one rate for every hour.
struct Profile {
    QTemporaryDir dir;
    QString modemLog = dir.filePath("modem/Standard Modem.log");
    QString ownLog =
        dir.filePath("modem/Standard Modem (Connection information file - Do not delete).dtk");
    QString notes = dir.filePath("data/Modemtally/Extra information for Standard Modem.dtk");
    QString settings = dir.filePath("config/Modemtally/Modemtally.conf");
    QDate today = QDate::currentDate();
    QDate earlier = today.addMonths(-2);

    bool write(bool chosen)
    {
        {
            SettingsStore store(settings);
            if (chosen)
                store.write("Logfile", "Path", modemLog);
            for (const QString pair :
                 {"Rate1=0.02", "Rate2=0.02", "Rate3=0.02", "ID rates=0", "12hour=0", "Budget=0.7"})
                store.write("TimesAndTarifs", pair.section('=', 0, 0), pair.section('=', 1));
        }
        const ModemLogBuilder log =
            ModemLogBuilder()
                .call(earlier.toString("MM-dd-yyyy"), "09:00:00", "09:10:00")
                .call(today.toString("MM-dd-yyyy"), "10:00:00", "10:30:00");
        return QDir().mkpath(QFileInfo(notes).path()) && QDir().mkpath(dir.filePath("modem")) &&
               TextFile::writeBytes(modemLog, log.bytes()) &&
               TextFile::writeLines(
                   ownLog, {"\"" + Formats::isoDate(earlier) + "\",\"09:00:00\",\"09:10:00\""}) &&
               TextFile::writeLines(notes, {"\"At the library, with Ann\""});
    }
    QByteArray files() const
    {
        QByteArray all;
        for (const QString& path : {modemLog, ownLog, notes, settings})
            all += TextFile::readBytes(path).value_or("(none)") + '\n';
        return all;
    }
};
} // namespace

class TstCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("parsed"); // kind|from|to|csv, "window", or the error
        QTest::newRow("none opens the window") << QStringList{} << "window";
        QTest::newRow("the toolkit's own open the window")
            << QStringList{"-platform", "offscreen"} << "window";
        QTest::newRow("report of days as csv")
            << QStringList{"--csv", "--report", "--from", "2026-11-01", "--to=2026-11-30"}
            << "report|2026-11-01|2026-11-30|csv";
        QTest::newRow("a day without a report")
            << QStringList{"--from", "2026-11-01"} << "--from, --to and --csv go with --report";
        QTest::newRow("unknown with a report")
            << QStringList{"--report", "-platform"} << "unknown argument \"-platform\"";
        // The journal files of a folder, for the window or the report, this run only.
        QTest::newRow("a journal folder for the window")
            << QStringList{"--journal-directory", "/mnt/old/journal"}
            << "window|journal /mnt/old/journal";
        QTest::newRow("a journal folder for the summary")
            << QStringList{"--summary", "--journal-directory=/j"} << "summary|||text|journal /j";
        QTest::newRow("a journal folder not named") << QStringList{"--journal-directory"}
                                                    << "--journal-directory needs a folder of "
                                                       "journal files";
        QTest::newRow("the toolkit's style for the window")
            << QStringList{"-style=fusion", "-reverse"} << "window";
        QTest::newRow("the summary as json")
            << QStringList{"--json", "--summary"} << "summary|||json";
        QTest::newRow("csv and json") << QStringList{"--report", "--csv", "--json"}
                                      << "--csv and --json cannot be given together";
        QTest::newRow("a flag with a value")
            << QStringList{"--summary", "--json=yes"} << "--json takes no value";
        QTest::newRow("a flag with a value, then another option")
            << QStringList{"--csv=1", "--report"} << "--csv takes no value";
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, parsed);
        const CommandLine::Parsed result = CommandLine::parse(arguments);
        const ReportRequest& request = result.request;
        const auto day = [](const std::optional<QDate>& d) {
            return d ? d->toString(Qt::ISODate) : QString();
        };
        QString text = result.mode == CommandLine::Mode::Window ? "window" : result.error;
        if (result.mode == CommandLine::Mode::Report)
            text = QStringList{request.kind == ReportRequest::Kind::Summary ? "summary" : "report",
                               day(request.from), day(request.to),
                               QStringList{"text", "csv", "json"}.at(int(request.format))}
                       .join('|');
        if (!result.journalDirectory.isEmpty())
            text += "|journal " + result.journalDirectory;
        QCOMPARE(text, parsed);
    }

    // The real program, with no display, as a script or a panel runs it; it only reads.
    void exitCodes_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QStringList>("arguments"); // "{today}" stands for today
        QTest::addColumn<int>("exitCode");
        // "{today}", "{earlier}", "{first}": the days; ending in "*", what it begins with;
        // "/dev/full": standard output goes to a full disk
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error"); // what standard error begins with
        QTest::newRow("summary")
            << true << QStringList{"--summary"} << 0
            << "This bill (from {first}): 1 call, 0 hrs 30 mins 0 secs, £0.60, at this rate *"
            << "";
        QTest::newRow("report of today")
            << true << QStringList{"--report", "--from", "{today}", "--to", "{today}"} << 0
            << "002: Connected on {today}, 10:00 for 0 hrs 30 mins 00 secs costing £0.60 -\n\n"
               "Total time for the above connections = 0 hrs 30 mins 0 secs\n"
               "Total cost for the above connections = £0.60\n"
            << "";
        QTest::newRow("csv with the note")
            << true << QStringList{"--report", "--csv"} << 0
            << "Number,Date,Start time,End time,End date,Length (seconds),Cost,Currency,Other "
               "Info,Bytes sent,Bytes received\r\n"
               "1,{earlier},09:00:00,09:10:00,{earlier},600,0.2,GBP,\"At the library, with "
               "Ann\",,\r\n"
               "2,{today},10:00:00,10:30:00,{today},1800,0.6,GBP,,,\r\n"
            << "";
        QTest::newRow("no modem log chosen") << false << QStringList{"--summary"} << 1 << ""
                                             << "dialtrak: No modem log has been chosen yet.";
        QTest::newRow("a journal folder that is not there")
            << true << QStringList{"--journal-directory", "/nowhere/journal", "--summary"} << 1
            << ""
            << "dialtrak: the PPP and mobile connections in the journal files of /nowhere/journal "
               "cannot be read.";
        QTest::newRow("bad arguments")
            << true << QStringList{"--report", "--from", "soon"} << 2 << ""
            << "dialtrak: --from needs a date, YYYY-MM-DD, not \"soon\"";
        QTest::newRow("help") << false << QStringList{"--help"} << 0
                              << "Usage: dialtrak [--journal-directory DIR] --report*"
                              << "";
        QTest::newRow("version") << false << QStringList{"--version"} << 0 << "dialtrak 4.*"
                                 << "";
        const QString usage = "Usage: dialtrak [--journal-directory DIR] --report";
        QTest::newRow("unknown option") << true << QStringList{"--bogus"} << 2 << ""
                                        << "dialtrak: unknown argument \"--bogus\"\n" + usage;
        // A typo in a cron line must not open the window, whose close empties the modem log.
        QTest::newRow("a typo of --report") << true << QStringList{"--reprot"} << 2 << ""
                                            << "dialtrak: unknown argument \"--reprot\"\n" + usage;
        QTest::newRow("a stray argument") << true << QStringList{"--summary", "now"} << 2 << ""
                                          << "dialtrak: unknown argument \"now\"\n" + usage;
        QTest::newRow("the window without a display")
            << true << QStringList{} << 1 << ""
            << "dialtrak: there is no display to open the window on";
        QTest::newRow("summary as json")
            << true << QStringList{"--summary", "--json"} << 0
            << R"({"allowance":null,"allowanceUsed":null,"budget":0.7,"budgetUsedPercent":85,)"
               R"("bytes":null,"calls":1,"cost":0.6,"currency":"GBP","current":true,)"
               R"("fixedPrice":0,"from":"{first}","projectedBytes":null,"projectedCost":*)"
            << "";
        QTest::newRow("report as json")
            << true << QStringList{"--report", "--json", "--from", "{today}"} << 0
            << R"({"bytes":null,"calls":1,"connections":[{"bytesReceived":null,"bytesSent":null,)"
               R"("cost":0.6,"date":"{today}","end":"10:30:00",)"
               R"("endDate":"{today}","info":"","number":2,)"
               R"("seconds":1800,"start":"10:00:00"}],"cost":0.6,"currency":"GBP",)"
               R"("from":"{today}","seconds":1800,"to":null})"
               "\n"
            << "";
        for (const QStringList& arguments :
             {QStringList{"--report"}, QStringList{"--report", "--csv"}, QStringList{"--summary"},
              QStringList{"--summary", "--json"}, QStringList{"--help"}})
            QTest::addRow("%s to a full disk", qPrintable(arguments.join(' ')))
                << true << arguments << 1 << "/dev/full"
                << "dialtrak: the output could not be written: No space left on device";
    }
    void exitCodes()
    {
        QFETCH(bool, chosen);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        Profile profile;
        QVERIFY(profile.write(chosen));
        const auto day = [iso = arguments.contains("--csv") ||
                                arguments.contains("--json")](const QDate& d) {
            return iso ? Formats::isoDate(d) : Formats::dddDdMmmYy(d);
        };
        arguments.replaceInStrings("{today}", Formats::isoDate(profile.today));
        output.replace("{today}", day(profile.today))
            .replace("{earlier}", day(profile.earlier))
            .replace("{first}", day(QDate(profile.today.year(), profile.today.month(), 1)));
        const QByteArray before = profile.files();

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        env.insert("XDG_CONFIG_HOME", profile.dir.filePath("config"));
        env.insert("XDG_DATA_HOME", profile.dir.filePath("data"));
        env.insert("LC_ALL", "en_GB.UTF-8");
        process.setProcessEnvironment(env);
        const bool full = output == "/dev/full";
        if (full)
            process.setStandardOutputFile(output);
        process.start(DIALTRAK_PROGRAM, arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        const QString printed = QString::fromUtf8(process.readAllStandardOutput());
        if (output.endsWith('*'))
            QVERIFY2(printed.startsWith(output.chopped(1)), qPrintable(printed));
        else
            QCOMPARE(printed, full ? QString() : output);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(error.isEmpty() ? err.isEmpty() : err.startsWith(error), qPrintable(err));
        // The modem log is not emptied, the own log not rewritten with today's call.
        QCOMPARE(profile.files(), before);
    }
};

DIALTRAK_TEST(TstCommandLine)
#include "tst_commandline.moc"
