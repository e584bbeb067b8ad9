#include "failingsync.h"
#include "foldersnapshot.h"
#include "journalexport.h"
#include "programrun.h"
#include "sources/sourcechoice.h"
#include "testregistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace
{
// pppd's lines as journal entries and as the syslog-style file Debian's rsyslog writes.
struct PppdLog {
    JournalExport journal;
    QByteArray syslog;

    PppdLog& log(const QDateTime& when, qint64 pid, const char* message)
    {
        journal.pppd(when, pid, message);
        syslog += when.toUTC().toString(Qt::ISODateWithMs).toLatin1() + " modembox pppd[" +
                  QByteArray::number(pid) + "]: " + message + '\n';
        return *this;
    }
    // A call that begins at `start` and carries IP.
    PppdLog& begin(const QDateTime& start, qint64 pid)
    {
        return log(start, pid, "Connect: ppp0 <--> /dev/ttyUSB0")
            .log(start.addSecs(4), pid, "local  IP address 10.64.1.2")
            .log(start.addSecs(4), pid, "remote IP address 10.64.64.64");
    }
    PppdLog& end(const QDateTime& end, qint64 pid, const char* stats)
    {
        return log(end, pid, "Terminating on signal 15")
            .log(end, pid, stats)
            .log(end.addSecs(1), pid, "Connection terminated.")
            .log(end.addSecs(2), pid, "Exit.");
    }
};

// Three calls of one pppd each, a day apart.
struct ThreeCalls : PppdLog {
    ThreeCalls(const QDateTime& first, qint64 firstPid)
    {
        for (int i = 0; i < 3; ++i) {
            const QDateTime start = first.addDays(i);
            begin(start, firstPid + i);
            end(start.addSecs(600 + 60 * i), firstPid + i,
                "Sent 1000 bytes, received 250000 bytes.");
        }
    }
};

// The journal folder, or the syslog-style file "syslog" in it, as the source of a run.
struct SystemSource {
    JournalFixture system;
    bool journal = true;

    bool add(const PppdLog& log) const
    {
        if (journal)
            return system.write(log.journal);
        QFile file(system.path("syslog"));
        return file.open(QIODevice::Append) && file.write(log.syslog) == log.syslog.size();
    }
    void start(Run& run) const
    {
        if (!journal)
            SourceChoice{SourceChoice::Kind::SystemLog, system.path("syslog")}.save(run.settings);
        run.window = std::make_unique<Form1>(run.services);
        run.window->setJournalDirectory(journal ? system.dir() : QString());
        run.window->startup();
    }
};

int told(const Run& run, const QString& start)
{
    int count = 0;
    for (const QString& text : run.prompter.texts())
        count += text.startsWith(start) ? 1 : 0;
    return count;
}
} // namespace

// pppd's records in the journal or in a syslog-style file: read (and read again as they grow),
// never written.
class TstSystemSources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { FailingSync::arm(false); }

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
        const JournalFixture system;
        const ThreeCalls calls(run.clock.now().addDays(-40), 4000); // 40 days before the clock
        if (journal) {
            QVERIFY(system.write(calls.journal, "system.journal"));
        } else {
            QVERIFY(TextFile::writeBytes(system.path("syslog"), calls.syslog));
            SourceChoice{SourceChoice::Kind::SystemLog, system.path("syslog")}.save(run.settings);
        }
        const QMap<QString, QByteArray> before = folderSnapshot(system.dir());

        run.window = std::make_unique<Form1>(run.services);
        if (journal)
            run.window->setJournalDirectory(system.dir());
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
        QCOMPARE(folderSnapshot(system.dir()), before);
    }

    // Shown in the status line alone until it ends; then in the list, with its bytes.
    void aCallInProgressIsListedWhenItEnds_data() { readNeverWritten_data(); }
    void aCallInProgressIsListedWhenItEnds()
    {
        SystemSource source;
        QFETCH(bool, journal);
        source.journal = journal;
        Run run;
        const QDateTime now = run.clock.now();
        ThreeCalls calls(now.addDays(-5), 4000);
        calls.begin(now.addSecs(-600), 4100);
        QVERIFY(source.add(calls));
        source.start(run);
        QCOMPARE(run.window->table().connectioncount(), 3);
        QLabel* status = run.child<QLabel>("Label1");
        QCOMPARE(status->text(),
                 now.addSecs(-600).toString("'Connected since 'hh:mm:ss': 0 hrs 10 mins 0 secs so "
                                            "far, \u00a30.00'"));

        QVERIFY(source.add(
            PppdLog().end(now.addSecs(-60), 4100, "Sent 4000 bytes, received 900000 bytes.")));
        QTRY_COMPARE_WITH_TIMEOUT(run.window->table().connectioncount(), 4, 10000);
        QCOMPARE(run.window->table()[4].receivedBytes, std::optional<quint64>(900000));
        QCOMPARE(status->text(), QString());
        QVERIFY(run.prompter.shown.isEmpty());
    }

    void aJournalFolderRemovedKeepsItsCallsShown()
    {
        SystemSource source;
        Run run;
        const QDateTime now = run.clock.now();
        const ThreeCalls calls(now.addDays(-5), 4000);
        QVERIFY(source.add(calls));
        source.start(run);
        QCOMPARE(run.window->table().connectioncount(), 3);

        QVERIFY(QDir(source.system.dir()).removeRecursively());
        const QString gone = "The journal folder " + source.system.dir() + " does not exist.";
        QTRY_COMPARE_WITH_TIMEOUT(told(run, gone), 1, 10000);
        QCOMPARE(run.window->table().connectioncount(), 3);

        // Back, with a call made since: followed again.
        QVERIFY(QDir().mkpath(source.system.dir()));
        QVERIFY(source.add(calls));
        QVERIFY(source.add(ThreeCalls(now.addDays(-1), 5000)));
        QTRY_COMPARE_WITH_TIMEOUT(run.window->table().connectioncount(), 6, 10000);
        QCOMPARE(told(run, gone), 1);
    }

    void aFullDiskWhileLiveIsToldOnce()
    {
        SystemSource source;
        source.journal = false;
        Run run;
        const QDateTime now = run.clock.now();
        QVERIFY(source.add(ThreeCalls(now.addDays(-9), 4000)));
        source.start(run);
        FailingSync::arm(true);
        const QString notSaved = "The Dialtrak log file could not be updated (";
        for (int batch = 1; batch <= 2; ++batch) {
            QVERIFY(source.add(ThreeCalls(now.addDays(-9 + 3 * batch), 5000 + 10 * batch)));
            // Shown all the same.
            QTRY_COMPARE_WITH_TIMEOUT(run.window->table().connectioncount(), 3 + 3 * batch, 10000);
            QCOMPARE(told(run, notSaved), 1);
        }
        FailingSync::arm(false);
        QVERIFY(source.add(PppdLog()
                               .begin(now.addSecs(-600), 6000)
                               .end(now, 6000, "Sent 10 bytes, received 20 bytes.")));
        QTRY_COMPARE_WITH_TIMEOUT(run.window->table().connectioncount(), 10, 10000);
        QCOMPARE(told(run, notSaved), 1);
        // Saved once there is room again.
        const QStringList ownLog =
            QDir(run.services.programDirectory).entryList({"*(Connection information file*"});
        QCOMPARE(ownLog.size(), 1);
        QCOMPARE(TextFile::readLines(run.services.programDirectory + "/" + ownLog.at(0))->size(),
                 10);
    }

    void aCallThatEndsAppearsWithoutARefresh_data() { readNeverWritten_data(); }
    void aCallThatEndsAppearsWithoutARefresh()
    {
        QFETCH(bool, journal);
        Run run;
        const JournalFixture system;
        const QString syslog = system.path("syslog");
        const ThreeCalls first(run.clock.now().addDays(-3), 5000);
        const ThreeCalls more(run.clock.now().addDays(-1), 6000);
        if (journal) {
            QVERIFY(system.write(first.journal));
        } else {
            QVERIFY(TextFile::writeBytes(syslog, first.syslog));
            SourceChoice{SourceChoice::Kind::SystemLog, syslog}.save(run.settings);
        }
        run.window = std::make_unique<Form1>(run.services);
        run.window->setJournalDirectory(journal ? system.dir() : QString());
        run.window->startup();
        QCOMPARE(run.window->table().connectioncount(), 3);
        // The user is busy elsewhere in the window: news read meanwhile must not take the focus.
        QPushButton* busy = run.window->findChild<QPushButton*>("Command4");
        QVERIFY(busy && busy->isEnabled());
        busy->setFocus();
        QCOMPARE(run.window->focusWidget(), busy);
        if (journal) {
            QVERIFY(system.write(more.journal));
            QTRY_COMPARE_WITH_TIMEOUT(run.window->table().connectioncount(), 6, 10000);
        } else {
            // Other programs write to a system log all the time: that must not put the read off.
            QFile file(syslog);
            QVERIFY(file.open(QIODevice::Append));
            file.write(more.syslog);
            file.flush();
            for (int i = 0; i < 15 && run.window->table().connectioncount() != 6; ++i) {
                file.write("2026-12-08T10:00:00Z modembox cron[7]: (root) CMD (true)\n");
                file.flush();
                QTest::qWait(200);
            }
            QCOMPARE(run.window->table().connectioncount(), 6);
        }
        QCOMPARE(run.window->focusWidget(), busy);
        QVERIFY(run.prompter.shown.isEmpty());
    }
};

DIALTRAK_TEST(TstSystemSources)
#include "tst_systemsources.moc"
