#include "foldersnapshot.h"
#include "journalexport.h"
#include "programrun.h"
#include "sources/sourcechoice.h"
#include "testregistry.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace
{
// Three calls of one pppd each, a day apart, as journal entries and as the syslog-style file
// Debian's rsyslog writes.
struct ThreeCalls {
    JournalExport journal;
    QByteArray syslog;

    ThreeCalls(const QDateTime& first, qint64 firstPid)
    {
        for (int i = 0; i < 3; ++i) {
            const qint64 pid = firstPid + i;
            const auto log = [&](int seconds, const char* message) {
                const QDateTime when = first.addDays(i).addSecs(seconds);
                journal.pppd(when, pid, message);
                syslog += when.toUTC().toString(Qt::ISODateWithMs).toLatin1() + " modembox pppd[" +
                          QByteArray::number(pid) + "]: " + message + '\n';
            };
            log(0, "Connect: ppp0 <--> /dev/ttyUSB0");
            log(4, "local  IP address 10.64.1.2");
            log(4, "remote IP address 10.64.64.64");
            log(600 + 60 * i, "Terminating on signal 15");
            log(600 + 60 * i, "Sent 1000 bytes, received 250000 bytes.");
            log(601 + 60 * i, "Connection terminated.");
            log(602 + 60 * i, "Exit.");
        }
    }
};
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

    // Shown in the status line alone until it ends, then in the list.
    void aCallInProgressIsListedWhenItEnds()
    {
        Run run;
        const JournalFixture system;
        const QDateTime now = run.clock.now();
        const QDateTime start = now.addSecs(-600);
        QVERIFY(system.write(ThreeCalls(now.addDays(-5), 4000).journal));
        QVERIFY(system.write(JournalExport()
                                 .pppd(start, 4100, "Connect: ppp0 <--> /dev/ttyUSB0")
                                 .pppd(start.addSecs(4), 4100, "local  IP address 10.64.1.2")));
        run.window = std::make_unique<Form1>(run.services);
        run.window->setJournalDirectory(system.dir());
        run.window->startup();
        QCOMPARE(run.window->table().connectioncount(), 3);
        const QLabel* status = run.child<QLabel>("Label1");
        QCOMPARE(status->text(),
                 start.toString("'Connected since 'hh:mm:ss': 0 hrs 10 mins 0 secs so far, "
                                "\u00a30.00'"));

        QVERIFY(system.write(
            JournalExport()
                .pppd(now.addSecs(-60), 4100, "Modem hangup")
                .pppd(now.addSecs(-60), 4100, "Sent 4000 bytes, received 900000 bytes.")
                .pppd(now.addSecs(-59), 4100, "Connection terminated.")));
        QTRY_COMPARE_WITH_TIMEOUT(run.window->table().connectioncount(), 4, 10000);
        QCOMPARE(status->text(), QString());
    }

    // The stored calls stay shown while the folder is gone; those made since show once it is back.
    void aJournalFolderRemovedAndMadeAgain()
    {
        Run run;
        const JournalFixture system;
        const ThreeCalls calls(run.clock.now().addDays(-5), 4000);
        QVERIFY(system.write(calls.journal));
        run.window = std::make_unique<Form1>(run.services);
        run.window->setJournalDirectory(system.dir());
        run.window->startup();

        QVERIFY(QDir(system.dir()).removeRecursively());
        const QString gone = "The journal folder " + system.dir() +
                             " does not exist. The "
                             "connections found so far are still shown";
        QTRY_VERIFY_WITH_TIMEOUT(run.prompter.texts().join('\n').contains(gone), 10000);
        QCOMPARE(run.window->table().connectioncount(), 3);

        QVERIFY(QDir().mkpath(system.dir()));
        QVERIFY(system.write(calls.journal));
        QVERIFY(system.write(ThreeCalls(run.clock.now().addDays(-1), 5000).journal));
        QTRY_COMPARE_WITH_TIMEOUT(run.window->table().connectioncount(), 6, 10000);
        QCOMPARE(run.prompter.shown.size(), 1);
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

    // An always-on link up for 25 hours: its length, though the own log holds only clock texts,
    // also once the system's log no longer holds the call.
    void aCallLongerThanADayKeepsItsLength_data() { readNeverWritten_data(); }
    void aCallLongerThanADayKeepsItsLength()
    {
        QFETCH(bool, journal);
        Run run;
        const JournalFixture system;
        const QString syslogPath = system.path("syslog");
        const QDateTime start = run.clock.now().addDays(-10);
        JournalExport entries;
        QByteArray syslog;
        const auto log = [&](int seconds, const char* message) {
            const QDateTime when = start.addSecs(seconds);
            entries.pppd(when, 4100, message);
            syslog += when.toUTC().toString(Qt::ISODate).toLatin1() +
                      " modembox pppd[4100]: " + message + '\n';
        };
        log(0, "Connect: ppp0 <--> /dev/ttyUSB0");
        log(4, "local  IP address 10.64.1.2");
        log(90000, "Terminating on signal 15");
        log(90000, "Connection terminated.");
        log(90001, "Exit.");
        if (journal) {
            QVERIFY(system.write(entries, "system.journal"));
        } else {
            QVERIFY(TextFile::writeBytes(syslogPath, syslog));
            SourceChoice{SourceChoice::Kind::SystemLog, syslogPath}.save(run.settings);
        }
        for (const char* when : {"read from the system's log", "after its rotation"}) {
            run.window = std::make_unique<Form1>(run.services);
            if (journal)
                run.window->setJournalDirectory(system.dir());
            run.window->startup();
            QCOMPARE(run.window->table().connectioncount(), 1);
            run.action("swritten")->trigger();
            auto* list = run.child<QListWidget>("start");
            QVERIFY2(list->item(list->count() - 1)->text().contains(" for 25 hrs 00 mins 00 secs"),
                     when);
            run.window->close();
            // The call's records are gone from the system's log.
            const QDateTime later = start.addDays(2);
            if (journal) {
                QVERIFY(QFile::remove(system.path("system.journal")));
                QVERIFY(system.write(JournalExport().entry(later, "cron", 9, 9, "(root) CMD"),
                                     "system.journal"));
            } else {
                QVERIFY(TextFile::writeBytes(syslogPath, later.toString(Qt::ISODate).toLatin1() +
                                                             " modembox cron[9]: (root) CMD\n"));
            }
        }
    }
};

DIALTRAK_TEST(TstSystemSources)
#include "tst_systemsources.moc"
