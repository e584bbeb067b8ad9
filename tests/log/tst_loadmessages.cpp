#include "log/loadmessages.h"
#include "log/loadreport.h"
#include "platform/settingsstore.h"
#include "sources/modemlog/modemlogsource.h"
#include "sources/pppd/syslog/syslogsource.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

namespace
{
// An opened load's report from ';'-separated words; "key=text" gives a reason or a count.
LoadReport reportOf(const QString& words)
{
    LoadReport report;
    report.modemLogOpened = !words.contains("unopened");
    for (const QString& word : words.split(';', Qt::SkipEmptyParts)) {
        const QString value = word.section('=', 1);
        if (word.startsWith("unreadableLines="))
            report.unreadableLines.resize(value.toInt());
        if (word.startsWith("unreadable="))
            for (const QString& line : value.split(','))
                report.unreadableLines.append({1, line.toUtf8()});
        report.overflow = report.overflow || word == "overflow";
        report.sourceError = word.startsWith("sourceError=") ? value : report.sourceError;
        report.volumeError = word.startsWith("volumeError=") ? value : report.volumeError;
        if (word.startsWith("volumeIgnored="))
            report.volumeIgnored = value.split(',');
        report.ownLogError = word.startsWith("ownLogError=") ? value : report.ownLogError;
        report.sourceLost = report.sourceLost || word == "sourceLost";
        report.notesUsable = report.notesUsable && word != "notesUnusable";
        report.notesUnreadable = report.notesUnreadable || word == "notesUnreadable";
    }
    return report;
}
} // namespace

class TstLoadMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Loads of one run: what is told once is not told again, a new reason is.
    void toldOnce_data()
    {
        QTest::addColumn<bool>("systemLog"); // else a modem log
        QTest::addColumn<QStringList>("loads");
        QTest::addColumn<QStringList>("told"); // "load number: the message's first words"
        QTest::newRow("unreadable own log lines, again when their count changes")
            << false << QStringList{"unreadableLines=2", "unreadableLines=3"}
            << QStringList{"1: Lines of the Dialtrak log file /x/Standard Modem (Connection "
                           "information file - Do not delete).dtk that could not be read: 2.",
                           "2: Lines of the Dialtrak log file"};
        QTest::newRow("a reading error, again when it is another")
            << false << QStringList{"sourceError=Read in part", "sourceError=Cut short"}
            << QStringList{"1: Read in part", "2: Cut short"};
        QTest::newRow("the bytes not kept, once for a reason")
            << false << QStringList{"volumeError=Cannot write v", "volumeError=Cannot write v"}
            << QStringList{"1: The bytes sent and received of the connections could not be kept "
                           "(Cannot write v)."};
        QTest::newRow("figures that cannot be real, once for the same connections")
            << false << QStringList{"volumeIgnored=a,b,c,d,e,f,g", "volumeIgnored=a,b,c,d,e,f,g"}
            << QStringList{"1: Byte counts or lengths that cannot be real were ignored for the "
                           "connections of a, b, c, d, e and 2 more."};
        QTest::newRow("the notes file unreadable, once a run")
            << false << QStringList{"notesUnreadable", "notesUnreadable"}
            << QStringList{"1: The extra connection information file /prog/Extra information "
                           "for Standard Modem.dtk could not be read"};
        // The window asks for another source instead.
        QTest::newRow("a source not opened tells nothing")
            << false << QStringList{"unopened;sourceError=Gone", "unopened"} << QStringList{};
        QTest::newRow("a system log's own log not updated, once while it lasts")
            << true
            << QStringList{"live;ownLogError=No space", "live;ownLogError=No space", "live",
                           "ownLogError=No space"}
            << QStringList{"1: The Dialtrak log file could not be updated (No space). New "
                           "connections are shown but not saved; they are saved as soon as it "
                           "can be written.",
                           "4: The Dialtrak log file could not be updated"};
        QTest::newRow("a source gone from under a live read, once while it lasts")
            << true
            << QStringList{"live;sourceLost;sourceError=The folder /j does not exist.",
                           "live;sourceLost;sourceError=The folder /j does not exist.", "live",
                           "live;sourceLost;sourceError=The folder /j is gone."}
            << QStringList{"1: The folder /j does not exist. The connections found so far are "
                           "still shown, and the new ones will be as soon as it is back.",
                           "4: The folder /j is gone."};
        // Told when the user asks for a load, not at each live read.
        QTest::newRow("nothing found") << true << QStringList{"live;count=0", "count=0"}
                                       << QStringList{"2: There were no PPP connections found"};
    }
    void toldOnce()
    {
        QFETCH(bool, systemLog);
        QFETCH(QStringList, loads);
        QFETCH(QStringList, told);
        const ModemLogSource modemLog("/x/Standard Modem.log", "/prog");
        const SyslogSource syslog("/var/log/syslog", "/prog");
        const ConnectionSource& source =
            systemLog ? static_cast<const ConnectionSource&>(syslog) : modemLog;
        LoadMessages messages;
        QStringList got;
        for (qsizetype n = 0; n < loads.size(); ++n) {
            const QString& load = loads.at(n);
            const LogLoader::Reading reading =
                load.contains("live") ? LogLoader::Reading::Live : LogLoader::Reading::Asked;
            const int count = load.contains("count=0") ? 0 : 1;
            for (const LoadMessages::Message& message :
                 messages.after(reportOf(load), source, count, reading))
                got << QString::number(n + 1) + ": " + message.text;
        }
        QCOMPARE(got.size(), told.size());
        for (qsizetype i = 0; i < told.size(); ++i)
            QVERIFY2(got.at(i).startsWith(told.at(i)), qPrintable(got.at(i)));
    }

    // Starts of the program: a standing fact is told once, again only for something not told of;
    // what fails now is told at every start.
    void standingFactsAcrossRuns_data()
    {
        QTest::addColumn<bool>("remembered");  // else the command line's, once a run
        QTest::addColumn<QStringList>("runs"); // the loads of each run, split by '|'
        QTest::addColumn<QStringList>("told"); // "run.load: the message's first words"
        const QString lines = "Lines of the Dialtrak log file ";
        QTest::newRow("the same unreadable lines, at the first start only")
            << true
            << QStringList{"unreadable=a,b", "unreadable=a,b|unreadable=a,b", "unreadable=b,a"}
            << QStringList{"1.1: " + lines};
        QTest::newRow("a new unreadable line, told again with them all")
            << true << QStringList{"unreadable=a", "unreadable=a,b", "unreadable=b"}
            << QStringList{"1.1: " + lines, "2.1: " + lines};
        QTest::newRow("a second line like the first")
            << true << QStringList{"unreadable=a", "unreadable=a,a"}
            << QStringList{"1.1: " + lines, "2.1: " + lines};
        QTest::newRow("a line mended, then unreadable again")
            << true << QStringList{"unreadable=a", "", "unreadable=a"}
            << QStringList{"1.1: " + lines, "3.1: " + lines};
        QTest::newRow("the same line in another source's own log")
            << true << QStringList{"unreadable=a", "syslog;unreadable=a"}
            << QStringList{"1.1: " + lines, "2.1: " + lines};
        QTest::newRow("figures ignored, again for a connection not told of")
            << true << QStringList{"volumeIgnored=x", "volumeIgnored=x", "volumeIgnored=y,x"}
            << QStringList{"1.1: Byte counts", "3.1: Byte counts"};
        QTest::newRow("the table full, once while it lasts")
            << true << QStringList{"overflow", "overflow", "", "overflow"}
            << QStringList{"1.1: The connection log is full", "4.1: The connection log is full"};
        QTest::newRow("what fails now, at every start")
            << true
            << QStringList{"ownLogError=No space;sourceError=Cut short;volumeError=Cannot write v;"
                           "notesUnreadable",
                           "ownLogError=No space;sourceError=Cut short;volumeError=Cannot write v;"
                           "notesUnreadable"}
            << QStringList{"1.1: The Dialtrak log file could not be updated",
                           "1.1: Cut short",
                           "1.1: The bytes sent",
                           "1.1: The extra connection information file",
                           "2.1: The Dialtrak log file could not be updated",
                           "2.1: Cut short",
                           "2.1: The bytes sent",
                           "2.1: The extra connection information file"};
        QTest::newRow("not remembered, once a run")
            << false << QStringList{"unreadable=a|unreadable=a", "unreadable=a"}
            << QStringList{"1.1: " + lines, "2.1: " + lines};
    }
    void standingFactsAcrossRuns()
    {
        QFETCH(bool, remembered);
        QFETCH(QStringList, runs);
        QFETCH(QStringList, told);
        const QTemporaryDir dir;
        SettingsStore settings(dir.filePath("Modemtally.conf"));
        const ModemLogSource modemLog("/x/Standard Modem.log", "/prog");
        const SyslogSource syslog("/var/log/syslog", "/prog");
        QStringList got;
        for (qsizetype run = 0; run < runs.size(); ++run) {
            LoadMessages messages;
            if (remembered)
                messages.rememberToldIn(settings);
            const QStringList loads = runs.at(run).split('|');
            for (qsizetype n = 0; n < loads.size(); ++n) {
                const ConnectionSource& source = loads.at(n).contains("syslog")
                                                     ? static_cast<const ConnectionSource&>(syslog)
                                                     : modemLog;
                for (const LoadMessages::Message& message :
                     messages.after(reportOf(loads.at(n)), source, 1))
                    got << QStringLiteral("%1.%2: ").arg(run + 1).arg(n + 1) + message.text;
            }
        }
        QCOMPARE(got.size(), told.size());
        for (qsizetype i = 0; i < told.size(); ++i)
            QVERIFY2(got.at(i).startsWith(told.at(i)), qPrintable(got.at(i)));
    }

    // The command line gives no figures without the own log's connections.
    void failure_data()
    {
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("failure"); // empty: none
        QTest::newRow("own log unreadable")
            << "notesUnusable"
            << "The Dialtrak log file cannot be read: /x/Standard Modem (Connection information "
               "file - Do not delete).dtk";
        QTest::newRow("read in part") << "sourceError=Cut short"
                                      << "";
    }
    void failure()
    {
        QFETCH(QString, load);
        QFETCH(QString, failure);
        const ModemLogSource source("/x/Standard Modem.log", "/prog");
        QCOMPARE(LoadMessages::failure(reportOf(load), source).value_or(QString()), failure);
    }
};

DIALTRAK_TEST(TstLoadMessages)
#include "tst_loadmessages.moc"
