#include "log/loadmessages.h"
#include "log/loadreport.h"
#include "sources/modemlog/modemlogsource.h"
#include "testregistry.h"

#include <QTest>

namespace
{
// A load's report from "key=value" pairs separated by ';', on a table of `count` connections.
struct Load {
    LoadReport report;
    int count = 1;

    explicit Load(const QString& spec)
    {
        report.modemLogOpened = true;
        for (const QString& pair : spec.split(';', Qt::SkipEmptyParts)) {
            const QString key = pair.section('=', 0, 0);
            const QString value = pair.section('=', 1);
            if (key == "count")
                count = value.toInt();
            else if (key == "unopened")
                report.modemLogOpened = false;
            else if (key == "overflow")
                report.overflow = true;
            else if (key == "ownLogError")
                report.ownLogError = value;
            else if (key == "notesUnusable")
                report.notesUsable = false;
            else if (key == "unreadableLines")
                report.unreadableLines.resize(value.toInt());
            else if (key == "sourceError")
                report.sourceError = value;
            else if (key == "volumeError")
                report.volumeError = value;
            else if (key == "notesUnreadable")
                report.notesUnreadable = true;
            else
                qFatal("unknown key %s", qPrintable(key));
        }
    }
};
} // namespace

class TstLoadMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Two loads in one run, and what each tells: what is told once is not told again, what has
    // a new reason is.
    void toldOnce_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("told"); // "load number: the message's first words"
        QTest::newRow("all is well") << "" << "" << QStringList{};
        QTest::newRow("a full table, once a run")
            << "overflow" << "overflow" << QStringList{"1: The connection log is full"};
        QTest::newRow("the own log not written, once a run")
            << "ownLogError=Cannot write x" << "ownLogError=Cannot write y"
            << QStringList{"1: The Dialtrak log file could not be updated (Cannot write x). Your "
                           "connections are still in the modem log, which will not be emptied "
                           "on exit."};
        QTest::newRow("the own log unreadable hides the notes")
            << "ownLogError=Cannot read x;notesUnusable" << ""
            << QStringList{"1: The Dialtrak log file could not be updated (Cannot read x). Your "
                           "connections are still in the modem log, which will not be emptied "
                           "on exit. The extra connection information is not shown"};
        QTest::newRow("unreadable own log lines, again when their count changes")
            << "unreadableLines=2" << "unreadableLines=3"
            << QStringList{"1: Lines of the Dialtrak log file /x/Standard Modem (Connection "
                           "information file - Do not delete).dtk that could not be read: 2.",
                           "2: Lines of the Dialtrak log file"};
        QTest::newRow("the same reading error, once")
            << "sourceError=Read in part" << "sourceError=Read in part"
            << QStringList{"1: Read in part"};
        QTest::newRow("a new reading error") << "sourceError=Read in part"
                                             << "sourceError=Cut short"
                                             << QStringList{"1: Read in part", "2: Cut short"};
        QTest::newRow("the bytes not kept")
            << "volumeError=Cannot write v" << "volumeError=Cannot write v"
            << QStringList{"1: The bytes sent and received of the connections could not be kept "
                           "(Cannot write v)."};
        QTest::newRow("no connections, at every load")
            << "count=0" << "count=0"
            << QStringList{"1: There were no connections found in the file, /x/Standard Modem.log",
                           "2: There were no connections found"};
        QTest::newRow("the notes file unreadable, once a run")
            << "notesUnreadable" << "notesUnreadable"
            << QStringList{"1: The extra connection information file /prog/Extra information "
                           "for Standard Modem.dtk could not be read"};
        // The window asks for another source instead.
        QTest::newRow("a source not opened tells nothing")
            << "unopened;count=0;sourceError=Gone" << "unopened;count=0" << QStringList{};
    }
    void toldOnce()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, told);
        const ModemLogSource source("/x/Standard Modem.log", "/prog");
        LoadMessages messages;
        QStringList got;
        int number = 0;
        for (const QString& spec : {first, second}) {
            const Load load(spec);
            ++number;
            for (const LoadMessages::Message& message :
                 messages.after(load.report, source, load.count))
                got << QString::number(number) + ": " + message.text;
        }
        QCOMPARE(got.size(), told.size());
        for (qsizetype i = 0; i < told.size(); ++i)
            QVERIFY2(got.at(i).startsWith(told.at(i)), qPrintable(got.at(i)));
    }

    // Why the command line has no figures to give.
    void failure_data()
    {
        QTest::addColumn<QString>("logpath");
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("failure"); // empty: none
        QTest::newRow("none chosen")
            << "" << "unopened"
            << "No modem log has been chosen yet. Start Dialtrak and choose one with Options > "
               "Select Modem Log File.";
        QTest::newRow("not there") << "/x/Standard Modem.log" << "unopened"
                                   << "/x/Standard Modem.log cannot be read.";
        QTest::newRow("own log unreadable")
            << "/x/Standard Modem.log" << "notesUnusable"
            << "The Dialtrak log file cannot be read: /x/Standard Modem (Connection information "
               "file - Do not delete).dtk";
        QTest::newRow("read in part") << "/x/Standard Modem.log" << "sourceError=Cut short" << "";
    }
    void failure()
    {
        QFETCH(QString, logpath);
        QFETCH(QString, load);
        QFETCH(QString, failure);
        const ModemLogSource source(logpath, "/prog");
        QCOMPARE(LoadMessages::failure(Load(load).report, source).value_or(QString()), failure);
    }
};

DIALTRAK_TEST(TstLoadMessages)
#include "tst_loadmessages.moc"
