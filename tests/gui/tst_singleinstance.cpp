#include "app/singleinstance.h"
#include "modemlogbuilder.h"
#include "platform/textfile.h"
#include "testregistry.h"

#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

// One Dialtrak per profile: two windows on one profile would each write back their own copy of
// its files, and a call or a note would be lost.
class TstSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A second start is shown the running window unless it asks for journal files the window
    // does not read: that folder would be ignored, so the start is refused.
    void aSecondStartShowsTheFirst_data()
    {
        QTest::addColumn<QString>("firstReads"); // the folder of journal files, or none
        QTest::addColumn<QString>("secondAsks");
        QTest::addColumn<int>("role");
        const int shown = int(SingleInstance::Role::Shown);
        const int elsewhere = int(SingleInstance::Role::Elsewhere);
        QTest::newRow("neither names a folder") << ""
                                                << "" << shown;
        QTest::newRow("the same folder") << "/mnt/old journal"
                                         << "/mnt/old journal" << shown;
        QTest::newRow("no folder: the window as it is") << "/mnt/old journal"
                                                        << "" << shown;
        QTest::newRow("a folder the window does not read") << ""
                                                           << "/mnt/old journal" << elsewhere;
        QTest::newRow("another folder") << "/mnt/a"
                                        << "/mnt/b" << elsewhere;
    }
    void aSecondStartShowsTheFirst()
    {
        QFETCH(QString, firstReads);
        QFETCH(QString, secondAsks);
        QFETCH(int, role);
        QTemporaryDir dir;
        SingleInstance first("profile", dir.path());
        QCOMPARE(first.claim(firstReads), SingleInstance::Role::First);
        QSignalSpy shown(&first, &SingleInstance::showRequested);
        // The second asks and waits; the first answers from its event loop.
        std::atomic<int> answer = -1;
        std::thread second(
            [&] { answer = int(SingleInstance("profile", dir.path()).claim(secondAsks)); });
        QVERIFY(QTest::qWaitFor([&] { return answer != -1; }, 10000));
        second.join();
        QCOMPARE(SingleInstance::Role(int(answer)), SingleInstance::Role(role));
        QCOMPARE(shown.size(), role == int(SingleInstance::Role::Shown) ? 1 : 0);
        // Another profile runs beside it.
        QCOMPARE(SingleInstance("other profile", dir.path()).claim(secondAsks),
                 SingleInstance::Role::First);
    }

    void aFirstThatDoesNotAnswerIsReported()
    {
        QTemporaryDir dir;
        SingleInstance probe("profile", dir.path());
        QCOMPARE(probe.claim(), SingleInstance::Role::First);
        // Its lock stays, its socket goes: it holds the profile but cannot be reached.
        const QString socket =
            dir.filePath(QDir(dir.path()).entryList({"*.socket"}, QDir::System).value(0));
        QVERIFY(QFile::remove(socket));
        QCOMPARE(SingleInstance("profile", dir.path()).claim(), SingleInstance::Role::Unreachable);
    }

    void theProgramStartedTwiceRunsOnce()
    {
        // Two real starts on one profile: the second ends at once and leaves the files alone,
        // so a call made since the first one's load is still in the modem log.
        QTemporaryDir home;
        const QString log = home.filePath("Standard Modem.log");
        ModemLogBuilder calls;
        QVERIFY(
            TextFile::writeBytes(log, calls.call("04-02-2000", "10:00:00", "10:10:00").bytes()));
        QVERIFY(QDir().mkpath(home.filePath(".config/Modemtally")));
        QVERIFY(TextFile::writeBytes(home.filePath(".config/Modemtally/Modemtally.conf"),
                                     "[Logfile]\nPath=" + log.toUtf8() + "\n"));
        const QString runtime = home.filePath("runtime");
        QVERIFY(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath(".config"));
        env.insert("XDG_DATA_HOME", home.filePath(".local/share"));
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess first, second;
        for (QProcess* process : {&first, &second})
            process->setProcessEnvironment(env);
        first.start(DIALTRAK_PROGRAM, QStringList());
        // Running once its socket is there.
        QVERIFY(QTest::qWaitFor(
            [&] { return !QDir(runtime).entryList({"*.socket"}, QDir::System).isEmpty(); }, 20000));
        const QByteArray withNewCall = calls.call("04-02-2000", "11:00:00", "11:20:00").bytes();
        QVERIFY(TextFile::writeBytes(log, withNewCall));

        second.start(DIALTRAK_PROGRAM, QStringList());
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(*TextFile::readBytes(log), withNewCall);
        first.kill();
        first.waitForFinished();
    }
};

DIALTRAK_TEST(TstSingleInstance)
#include "tst_singleinstance.moc"
