#include "logfixture.h"
#include "modemlogbuilder.h"
#include "platform/progresssink.h"
#include "recordingprogress.h"
#include "sources/modemlog/modemlogcompactor.h"
#include "sources/modemlog/modemlogscanner.h"
#include "testenvironment.h"
#include "testregistry.h"

#include <QTest>
#include <functional>
#include <utility>

namespace
{
// Runs a writer once, when the compaction has read its first piece of the log.
class WriterOnProgress : public SilentProgress
{
public:
    explicit WriterOnProgress(std::function<void()> write) : m_write(std::move(write)) {}
    void setProgress(int percent) override
    {
        if (percent > 0 && m_write)
            std::exchange(m_write, {})();
    }

private:
    std::function<void()> m_write;
};

QByteArray fixture(const char* name)
{
    return TextFile::readBytes(TestEnvironment::sourceDir() + "/tests/sources/modemlog/data/" +
                               name)
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
        QCOMPARE(ModemLogCompactor::writeline(TextFile::encode(line)), kept);
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
        // An unended last line is the one the driver is writing: kept as it stands.
        const qsizetype ended = log.lastIndexOf('\n') + 1;
        QByteArray expected;
        for (const QByteArray& line : TextFile::splitLines(log.left(ended))) {
            if (ModemLogCompactor::writeline(line))
                expected += line + "\r\n";
        }
        expected += log.mid(ended);
        LogFixture files;
        files.writeModemLog(log);
        SilentProgress progress;
        QVERIFY(ModemLogCompactor::cleanup(files.logpath(), progress));
        QCOMPARE(files.modemLog(), expected);
    }

    void writerRacingTheCompaction_data()
    {
        QTest::addColumn<bool>("appends");
        QTest::newRow("a call appended while it runs is kept") << true;
        QTest::newRow("emptied while it runs: left to the one who emptied it") << false;
    }
    void writerRacingTheCompaction()
    {
        QFETCH(bool, appends);
        LogFixture files;
        const QByteArray original = fixture("three-calls.log");
        files.writeModemLog(original);
        const QByteArray appended =
            ModemLogBuilder().call("04-29-2000", "09:00:00", "09:45:00").bytes();
        // The driver writes as soon as the compaction has read a first piece.
        WriterOnProgress progress([&] {
            QFile log(files.logpath());
            QVERIFY(log.open(QIODevice::ReadWrite | QIODevice::Append));
            if (appends)
                QCOMPARE(log.write(appended), appended.size());
            else
                QVERIFY(log.resize(0));
        });
        QString error;
        QCOMPARE(ModemLogCompactor::cleanup(files.logpath(), progress, &error), appends);
        QCOMPARE(found(files.modemLog()), appends ? found(original + appended) : QStringList());
        QVERIFY(!QFile::exists(ModemLogCompactor::temporaryPath(files.logpath())));
    }

    void compactsThroughALink()
    {
        // The driver writes the link's target: that is the file compacted, the link stays.
        LogFixture files;
        const QString target = files.dir() + "/windows/Standard Modem.log";
        QVERIFY(QDir().mkpath(files.dir() + "/windows"));
        LogFixture::write(target, fixture("three-calls.log"));
        QVERIFY(QFile::link(target, files.logpath()));
        SilentProgress progress;
        QVERIFY(ModemLogCompactor::cleanup(files.logpath(), progress));
        QVERIFY(QFileInfo(files.logpath()).isSymLink());
        QCOMPARE(*TextFile::readBytes(target), fixture("three-calls-compacted.log"));
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
