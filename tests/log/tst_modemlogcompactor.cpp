#include "log/modemlogcompactor.h"
#include "log/modemlogscanner.h"
#include "logfixture.h"
#include "platform/progresssink.h"
#include "recordingprogress.h"
#include "testenvironment.h"
#include "testregistry.h"

#include <QTest>

namespace
{
QByteArray fixture(const char* name)
{
    return TextFile::readBytes(TestEnvironment::sourceDir() + "/tests/log/data/" + name)
        .value_or(QByteArray());
}

QStringList found(const QByteArray& log)
{
    QStringList out;
    for (const DatedConnection& c : ModemLogScanner::scan(log))
        out << c.record.conndate + ' ' + c.record.starttime + ' ' + c.record.endtime;
    return out;
}
} // namespace

class TstCompactor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writeline_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("kept");
        QTest::newRow("in use") << "03-14-2000 19:42:07.11 - Generic 56K Voice Modem in use."
                                << true;
        QTest::newRow("dialing") << "03-14-2000 19:42:07.73 - Dialing." << true;
        QTest::newRow("connection")
            << "03-14-2000 19:42:34.07 - Connection established at 45333bps." << true;
        QTest::newRow("hang-up") << "x - Hanging up the modem." << true;
        QTest::newRow("statistics") << "x - Session Statistics:" << true;
        QTest::newRow("reads") << "x -                Reads : 4718236 bytes" << true;
        QTest::newRow("writes") << "x -                Writes: 392741 bytes" << true;
        QTest::newRow("closed") << "x - Generic 56K Voice Modem closed." << true;
        QTest::newRow("command") << "03-14-2000 19:42:07.33 - Send: AT<cr>" << false;
        QTest::newRow("response") << "x - Interpreted response: Connect" << false;
        QTest::newRow("case matters") << "x - dialing." << false;
        QTest::newRow("XP read totals") << "x - Read: Total: 9104, Per/Sec: 303" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("non-ASCII text") << "x - Modèm closed." << true;
    }
    void writeline()
    {
        QFETCH(QString, line);
        QFETCH(bool, kept);
        QCOMPARE(ModemLogCompactor::writeline(line), kept);
    }

    void compactsThreeCalls()
    {
        LogFixture files;
        const QByteArray original = fixture("three-calls.log");
        QVERIFY(!original.isEmpty());
        files.writeModemLog(original);
        RecordingProgress progress;
        QVERIFY(ModemLogCompactor::cleanup(files.logpath(), progress));
        QCOMPARE(files.modemLog(), fixture("three-calls-compacted.log"));
        QCOMPARE(found(files.modemLog()), found(original));
        QCOMPARE(found(original).size(), 2);
        QVERIFY(!QFile::exists(ModemLogCompactor::temporaryPath(files.logpath())));
        QCOMPARE(progress.statuses, (QStringList{"Compacting log file...", ""}));
        QCOMPARE(progress.values.first(), 0);
        QVERIFY(progress.values.contains(100));
        QCOMPARE(progress.values.last(), 0);
        QVERIFY(!progress.enabled);

        // A second run has nothing left to drop.
        const QByteArray once = files.modemLog();
        QVERIFY(ModemLogCompactor::cleanup(files.logpath(), progress));
        QCOMPARE(files.modemLog(), once);
    }

    void keepsWhatWritelineKeeps_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::newRow("two texts on one line")
            << QByteArray("a - Dialing. Connection\r\nb - Send: AT\r\nc - closed.\r\n");
        QTest::newRow("LF only, last line unended")
            << QByteArray("a - Recv: OK\nb - Modem in use.\nc - Hanging up the modem.");
        QTest::newRow("text at the very start and end")
            << QByteArray("Connection\r\n\r\nx\r\nWrites:");
        QTest::newRow("nothing kept") << QByteArray("a - Send: AT\r\nb - Recv: OK\r\n");
    }
    void keepsWhatWritelineKeeps()
    {
        QFETCH(QByteArray, log);
        QByteArray expected;
        for (const QByteArray& line : TextFile::splitLines(log)) {
            if (ModemLogCompactor::writeline(QString::fromLatin1(line)))
                expected += line + "\r\n";
        }
        LogFixture files;
        files.writeModemLog(log);
        SilentProgress progress;
        QVERIFY(ModemLogCompactor::cleanup(files.logpath(), progress));
        QCOMPARE(files.modemLog(), expected);
    }

    void emptyStaysEmpty()
    {
        LogFixture files;
        files.writeModemLog({});
        SilentProgress progress;
        QVERIFY(ModemLogCompactor::cleanup(files.logpath(), progress));
        QCOMPARE(files.modemLog(), QByteArray());
    }

    void failureLeavesLogAsItWas_data()
    {
        QTest::addColumn<bool>("folderInTheWay");
        QTest::newRow("temporary name taken by a folder") << true;
        QTest::newRow("missing modem log") << false;
    }
    void failureLeavesLogAsItWas()
    {
        QFETCH(bool, folderInTheWay);
        LogFixture files;
        const QByteArray original = fixture("three-calls.log");
        const QString temporary = ModemLogCompactor::temporaryPath(files.logpath());
        if (folderInTheWay) {
            files.writeModemLog(original);
            QVERIFY(QDir().mkpath(temporary));
        }
        RecordingProgress progress;
        QString error;
        QVERIFY(!ModemLogCompactor::cleanup(files.logpath(), progress, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(files.modemLog(), folderInTheWay ? original : QByteArray("<missing>"));
        QCOMPARE(QFileInfo::exists(temporary), folderInTheWay);
        QCOMPARE(progress.statuses.last(), QString());
        QVERIFY(!progress.enabled);
        QCOMPARE(progress.values.last(), 0);
    }
};

DIALTRAK_TEST(TstCompactor)
#include "tst_modemlogcompactor.moc"
