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
                               day(request.from), day(request.to), request.csv ? "csv" : "text"}
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
        QTest::addColumn<QString>("output"); // "{today}", "{earlier}", "{first}": the days
        QTest::addColumn<QString>("error");  // what standard error begins with
        QTest::newRow("summary")
            << true << QStringList{"--summary"} << 0
            << "This bill (from {first}): 0 hrs 30 mins 0 secs, £0.60, 85% of £0.70 budget\n"
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
            << "dialtrak: the PPP connections in the journal files of /nowhere/journal "
               "cannot be read.";
        QTest::newRow("bad arguments")
            << true << QStringList{"--report", "--from", "soon"} << 2 << ""
            << "dialtrak: --from needs a date, YYYY-MM-DD, not \"soon\"";
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
        const auto day = [csv = arguments.contains("--csv")](const QDate& d) {
            return csv ? Formats::isoDate(d) : Formats::dddDdMmmYy(d);
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
        process.start(DIALTRAK_PROGRAM, arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), output);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(error.isEmpty() ? err.isEmpty() : err.startsWith(error), qPrintable(err));
        // The modem log is not emptied, the own log not rewritten with today's call.
        QCOMPARE(profile.files(), before);
    }
};

DIALTRAK_TEST(TstCommandLine)
#include "tst_commandline.moc"
