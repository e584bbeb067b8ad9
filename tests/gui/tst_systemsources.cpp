#include "foldersnapshot.h"
#include "journalexport.h"
#include "log/sourcechoice.h"
#include "programrun.h"
#include "testregistry.h"

#include <QTest>

namespace
{
// Three calls of one pppd each, the first logged 40 days before the run's clock.
JournalExport threeCalls(const QDateTime& first, qint64 firstPid)
{
    JournalExport calls;
    for (int i = 0; i < 3; ++i) {
        const QDateTime start = first.addDays(i);
        const qint64 pid = firstPid + i;
        calls.pppd(start, pid, "Connect: ppp0 <--> /dev/ttyUSB0")
            .pppd(start.addSecs(4), pid, "local  IP address 10.64.1.2")
            .pppd(start.addSecs(4), pid, "remote IP address 10.64.64.64")
            .pppd(start.addSecs(600 + 60 * i), pid, "Terminating on signal 15")
            .pppd(start.addSecs(600 + 60 * i), pid, "Sent 1000 bytes, received 250000 bytes.")
            .pppd(start.addSecs(601 + 60 * i), pid, "Connection terminated.")
            .pppd(start.addSecs(602 + 60 * i), pid, "Exit.");
    }
    return calls;
}

// The same calls as a syslog-style file, as Debian's rsyslog writes it.
QByteArray asSyslog(const JournalExport& calls)
{
    QByteArray text, when, pid;
    for (const QByteArray& entry : calls.text().split('\n')) {
        if (entry.startsWith("__REALTIME_TIMESTAMP="))
            when = QDateTime::fromMSecsSinceEpoch(entry.mid(21).toLongLong() / 1000, Qt::UTC)
                       .toString(Qt::ISODateWithMs)
                       .toLatin1();
        else if (entry.startsWith("SYSLOG_PID="))
            pid = entry.mid(11);
        else if (entry.startsWith("MESSAGE="))
            text += when + " modembox pppd[" + pid + "]: " + entry.mid(8) + '\n';
    }
    return text;
}
} // namespace

// pppd's records in the journal or in a syslog-style file: read (and read again as they grow),
// never written.
class TstSystemSources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readNeverWritten_data()
    {
        QTest::addColumn<bool>("journal");
        QTest::newRow("journal files of a folder") << true;
        QTest::newRow("syslog-style file") << false;
    }
    void readNeverWritten()
    {
        QFETCH(bool, journal);
        Run run;
        const QString system = run.dir.filePath("system");
        QVERIFY(QDir().mkpath(system));
        const JournalExport calls = threeCalls(run.clock.now().addDays(-40), 4000);
        if (journal) {
            QString error;
            QVERIFY2(calls.writeTo(system + "/system.journal", &error), qPrintable(error));
        } else {
            QVERIFY(TextFile::writeBytes(system + "/syslog", asSyslog(calls)));
            SourceChoice{SourceChoice::Kind::SystemLog, system + "/syslog"}.save(run.settings);
        }
        const QMap<QString, QByteArray> before = folderSnapshot(system);

        run.window = std::make_unique<Form1>(run.services);
        if (journal)
            run.window->setJournalDirectory(system);
        run.window->startup();
        QCOMPARE(run.window->table().connectioncount(), 3);
        const ConnectionRecord& third = run.window->table()[3];
        QCOMPARE(third.receivedBytes, std::optional<quint64>(250000));
        QCOMPARE(third.durmins, qint16(12));
        // Its own files in the program's folder, named after the source.
        QVERIFY(!QDir(run.services.programDirectory).entryList({"PPP connections in *"}).isEmpty());

        run.action("menurefresh")->trigger();
        run.action("cleanlog")->trigger();
        QCOMPARE(run.launcher.openedFiles.size(), 1);
        QVERIFY(run.launcher.openedFiles.at(0).startsWith(run.services.programDirectory));
        QVERIFY(TextFile::readBytes(run.launcher.openedFiles.at(0))->contains("Connect: ppp0"));
        run.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
        run.action("newlog")->trigger();
        // Nothing from before Start New Log in the new log, though the system still has it.
        QCOMPARE(run.window->table().connectioncount(), 0);
        run.window->close();
        QCOMPARE(folderSnapshot(system), before);
    }

    void aCallThatEndsAppearsWithoutARefresh()
    {
        Run run;
        const QString system = run.dir.filePath("journal");
        QVERIFY(QDir().mkpath(system));
        QString error;
        QVERIFY2(
            threeCalls(run.clock.now().addDays(-3), 5000).writeTo(system + "/x.journal", &error),
            qPrintable(error));
        run.window = std::make_unique<Form1>(run.services);
        run.window->setJournalDirectory(system);
        run.window->startup();
        QCOMPARE(run.window->table().connectioncount(), 3);
        QVERIFY2(
            threeCalls(run.clock.now().addDays(-1), 6000).writeTo(system + "/x.journal", &error),
            qPrintable(error));
        QTRY_COMPARE_WITH_TIMEOUT(run.window->table().connectioncount(), 6, 10000);
        QVERIFY(run.prompter.shown.isEmpty());
    }
};

DIALTRAK_TEST(TstSystemSources)
#include "tst_systemsources.moc"
