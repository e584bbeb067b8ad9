#include "localzone.h"
#include "platform/progresssink.h"
#include "sources/pppd/syslog/syslogsource.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace
{

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A call of ten minutes from 10:00 plus `minute`, after a line of another program's.
QByteArray call(int minute)
{
    QByteArray lines;
    const QDateTime start =
        QDateTime(QDate(2024, 1, 15), QTime(10, 0), Qt::UTC).addSecs(minute * 60);
    const auto put = [&](int after, const QByteArray& text) {
        lines +=
            start.addSecs(after * 60).toString(Qt::ISODate).toLatin1() + " host " + text + '\n';
    };
    put(0, "CRON[9]: (root) CMD (run-parts)");
    put(0, "pppd[7]: Connect: ppp0 <--> /dev/ttyS0");
    put(0, "pppd[7]: local  IP address 10.0.0.2");
    put(10, "pppd[7]: Modem hangup");
    put(10, "pppd[7]: Sent 10 bytes, received 20 bytes.");
    put(10, "pppd[7]: Exit.");
    return lines;
}

} // namespace

class TstSyslogSource : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LocalZone> m_zone;

private Q_SLOTS:
    void initTestCase() { m_zone = std::make_unique<LocalZone>(); }
    void cleanupTestCase() { m_zone.reset(); }

    // The first read reads the rotated files back to the latest start in the own log.
    void readsBackToTheOwnLog_data()
    {
        QTest::addColumn<QByteArray>("ownLog"); // none when null
        QTest::addColumn<bool>("damaged");      // syslog.2.gz cut short
        QTest::addColumn<QStringList>("expected");

        const QString first = QStringLiteral("2024-01-15 10:00:00 10:10:00");
        const QString second = QStringLiteral("2024-01-15 11:40:00 11:50:00");
        const QString third = QStringLiteral("2024-01-15 13:20:00 13:30:00");
        QTest::newRow("no own log: every file")
            << QByteArray() << false << QStringList{first, second, third};
        QTest::newRow("the latest start in the moved file")
            << QByteArray("\"2024-01-15\",\"10:00:00\",\"10:10:00\"\r\n"
                          "\"2024-01-15\",\"11:40:00\",\"11:50:00\"\r\n")
            << false << QStringList{second, third};
        QTest::newRow("the latest start, not the last line")
            << QByteArray("\"2024-01-15\",\"11:40:00\",\"11:50:00\"\r\n"
                          "\"2024-01-14\",\"09:00:00\",\"09:30:00\"\r\n")
            << false << QStringList{second, third};
        QTest::newRow("a damaged compressed file is told, the rest read")
            << QByteArray() << true << QStringList{second, third};
    }

    void readsBackToTheOwnLog()
    {
        QFETCH(QByteArray, ownLog);
        QFETCH(bool, damaged);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString log = dir.filePath("syslog");
        write(log + ".2", call(0));
        QCOMPARE(QProcess::execute("gzip", {"-n", log + ".2"}), 0);
        if (damaged)
            QVERIFY(QFile::resize(log + ".2.gz", 10));
        write(log + ".1", call(100));
        write(log, call(200));
        SyslogSource source(log, dir.filePath("data"));
        QVERIFY(QDir().mkpath(dir.filePath("data")));
        if (!ownLog.isNull())
            write(source.ownLogPath(), ownLog);

        SilentProgress progress;
        const ConnectionSource::Read read = source.read(progress);
        QVERIFY(read.opened);
        QStringList found;
        for (const DatedConnection& connection : read.connections)
            found << connection.date.toString(Qt::ISODate) + u' ' + connection.record.starttime +
                         u' ' + connection.record.endtime;
        QCOMPARE(found, expected);
        QCOMPARE(read.error.contains(log + ".2.gz"), damaged);
        // Only read: a missing own log is not made by the read.
        QCOMPARE(QFile::exists(source.ownLogPath()), !ownLog.isNull());
    }

    // A file of ModemManager's lines (1.20, the syslog daemon's stamps) reads as the journal's.
    void readsModemManagersLines()
    {
        QTemporaryDir dir;
        const QString log = dir.filePath("syslog");
        write(log, "2024-01-15T09:59:50+00:00 host NetworkManager[612]: <info>  [1705312790.1] "
                   "device (cdc-wdm0): Activation: starting connection 'Vodafone DE' (8f3a)\n"
                   "2024-01-15T09:59:51+00:00 host NetworkManager[612]: <info>  [1705312791.1] "
                   "device (cdc-wdm0): state change: prepare -> config (reason 'none')\n"
                   "2024-01-15T10:00:00+00:00 host ModemManager[800]: <info>  [modem0] state "
                   "changed (connecting -> connected)\n"
                   "2024-01-15T10:45:00+00:00 host ModemManager[800]: <info>  [modem0/bearer1] "
                   "connection #1 finished: duration 2700s, tx: 1234 bytes, rx: 5678 bytes\n");
        SyslogSource source(log, dir.filePath("data"));
        SilentProgress progress;
        const ConnectionSource::Read read = source.read(progress);
        QCOMPARE(read.connections.size(), 1);
        const ConnectionRecord& call = read.connections.first().record;
        QCOMPARE(call.starttime + u'-' + call.endtime + u' ' + call.name,
                 QStringLiteral("10:00:00-10:45:00 Vodafone DE"));
        QCOMPARE(call.sentBytes, std::optional<quint64>(1234));
        QCOMPARE(call.receivedBytes, std::optional<quint64>(5678));
        QCOMPARE(call.measuredSeconds, std::optional<qint64>(2700));
    }

    // logrotate moves the file and makes a new one at once: what is written to the new file is
    // news too. The watch sees the folder's and the file's events in no fixed order: several
    // rotations.
    void watchFollowsTheFileLogrotateMakes()
    {
        QTemporaryDir dir;
        const QString log = dir.filePath("syslog");
        write(log, call(0));
        SyslogSource source(log, dir.filePath("data"));
        const std::unique_ptr<SourceWatch> watch = source.watch();
        QSignalSpy news(watch.get(), &SourceWatch::changed);
        for (int rotation = 1; rotation <= 6; ++rotation) {
            QFile::remove(log + ".1");
            QVERIFY(QFile::rename(log, log + ".1"));
            QSaveFile made(log);
            QVERIFY(made.open(QIODevice::WriteOnly) && made.commit());
            QTRY_VERIFY(!news.isEmpty());
            QTest::qWait(50);
            news.clear();
            QFile file(log);
            QVERIFY(file.open(QIODevice::Append));
            QCOMPARE(file.write(call(rotation)), call(rotation).size());
            file.close();
            QTRY_VERIFY_WITH_TIMEOUT(!news.isEmpty(), 2000);
        }
    }
};

DIALTRAK_TEST(TstSyslogSource)
#include "tst_syslogsource.moc"
