#include "localzone.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"
#include "sources/pppd/pppdconnectionbuilder.h"
#include "sources/pppd/syslog/syslogreader.h"
#include "testenvironment.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <sys/stat.h>

namespace
{

// "conndate start end length sent received", in the local time zone; the length is
// "in-progress" or "lost" when the end is unknown.
QStringList rows(const QList<PppdConnection>& connections)
{
    const auto count = [](std::optional<quint64> n) { return n ? QString::number(*n) : "?"; };
    QStringList out;
    for (const PppdConnection& c : connections) {
        const ConnectionRecord r = c.toDated().record;
        QString length = c.inProgress() ? QStringLiteral("in-progress") : QStringLiteral("lost");
        if (c.end) {
            const qint64 seconds = c.end->toSecsSinceEpoch() - c.start.toSecsSinceEpoch();
            length = QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("hh:mm:ss"));
        }
        out << QStringList{r.conndate, r.starttime,        r.endtime,
                           length,     count(r.sentBytes), count(r.receivedBytes)}
                   .join(u' ');
    }
    return out;
}

// A log file in a temporary folder.
class LogCopy
{
public:
    explicit LogCopy(const QByteArray& bytes) : m_path(m_dir.filePath(QStringLiteral("syslog")))
    {
        write(bytes);
    }
    const QString& path() const { return m_path; }
    void write(const QByteArray& bytes, QIODevice::OpenMode mode = QIODevice::WriteOnly) const
    {
        QFile file(m_path);
        QVERIFY(file.open(mode));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    void append(const QByteArray& bytes) const { write(bytes, QIODevice::Append); }
    void setModified(const QDateTime& when) const
    {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::Append));
        QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// One of pppd's lines with an RFC 3339 stamp, minutes after 10:00 on a winter day.
QByteArray line(int minute, int pid, const QByteArray& message)
{
    const QDateTime when =
        QDateTime(QDate(2024, 1, 15), QTime(10, 0), Qt::UTC).addSecs(minute * 60);
    return when.toString(Qt::ISODate).toLatin1() + " host pppd[" + QByteArray::number(pid) +
           "]: " + message + '\n';
}

QByteArray callStart(int minute, int pid = 100)
{
    return line(minute, pid, "Connect: ppp0 <--> /dev/ttyS0") +
           line(minute, pid, "local  IP address 10.0.0.2");
}

QByteArray callEnd(int minute, int pid = 100)
{
    return line(minute, pid, "Modem hangup") +
           line(minute, pid, "Sent 10 bytes, received 20 bytes.") + line(minute, pid, "Exit.");
}

// Reads, builds, and leaves the reader where the builder says.
struct Read {
    SyslogReader::Batch batch;
    QStringList connections;
};
std::optional<Read> readOn(SyslogReader& reader)
{
    std::optional<SyslogReader::Batch> batch = reader.read();
    if (!batch)
        return std::nullopt;
    const PppdConnectionBuilder::Result built = PppdConnectionBuilder::build(batch->records);
    reader.resumeAt(built.resumeAt);
    return Read{*batch, rows(built.connections)};
}

// A log and the files logrotate makes of it, in a folder of their own, changed by steps written
// as a shell would: "mv syslog syslog.1", "cp syslog syslog.1", "truncate syslog", "gzip syslog.1",
// "cut syslog.2.gz" (the second half cut away), "link syslog.3.gz" (to nothing).
class LogFolder
{
public:
    QString path(const QString& name = QStringLiteral("syslog")) const
    {
        return m_dir.filePath(name);
    }
    void append(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::Append));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    void run(const QString& step) const
    {
        const QStringList words = step.split(u' ');
        const QString& verb = words.at(0);
        const QString from = path(words.at(1));
        if (verb == QLatin1String("mv")) {
            QVERIFY(QFile::rename(from, path(words.at(2))));
        } else if (verb == QLatin1String("cp")) {
            QVERIFY(QFile::copy(from, path(words.at(2))));
        } else if (verb == QLatin1String("truncate")) {
            QVERIFY(QFile::resize(from, 0));
        } else if (verb == QLatin1String("gzip")) {
            QCOMPARE(QProcess::execute(QStringLiteral("gzip"), {QStringLiteral("-n"), from}), 0);
        } else if (verb == QLatin1String("cut")) {
            QVERIFY(QFile::resize(from, QFileInfo(from).size() / 2));
        } else if (verb == QLatin1String("link")) {
            QVERIFY(QFile::link(path(QStringLiteral("nowhere")), from));
        } else {
            QFAIL(qPrintable(step));
        }
    }

private:
    QTemporaryDir m_dir;
};

// pppd's lines of a call with its stats, `minutes` long from `minute`.
QByteArray call(int minute, int minutes, int pid)
{
    return callStart(minute, pid) + callEnd(minute + minutes, pid);
}

// Other programs' lines, enough that a file's head says when it was written.
QByteArray chatter(int minute)
{
    const QDateTime when =
        QDateTime(QDate(2024, 1, 15), QTime(10, 0), Qt::UTC).addSecs(minute * 60);
    return when.toString(Qt::ISODate).toLatin1() + " host CRON[9]: (root) CMD (run-parts)\n";
}

// Acts once, at the first progress of a read.
struct ProgressHook : SilentProgress {
    std::function<void()> action;
    void setProgress(int) override
    {
        if (action)
            std::exchange(action, nullptr)();
    }
};

} // namespace

class TstSyslogReader : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LocalZone> m_zone;

private Q_SLOTS:
    void initTestCase() { m_zone = std::make_unique<LocalZone>(); }
    void cleanupTestCase() { m_zone.reset(); }

    void fixtures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDateTime>("modified");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("classic syslog: dial-up calls and failed attempts")
            << "classic-dialup.log" << QDateTime(QDate(2023, 1, 9), QTime(12, 0))
            << QStringList{"03 Jan 23 21:16:29 21:45:12 00:28:43 412876 5123908",
                           "04 Jan 23 09:11:12 09:38:05 00:26:53 96310 2210433",
                           "05 Jan 23 19:00:31 19:41:17 00:40:46 231877 3310092",
                           "05 Jan 23 19:41:47 20:31:40 00:49:53 150500 1289700",
                           "07 Jan 23 10:12:38 10:12:38 lost ? ?",
                           "07 Jan 23 11:31:49 12:02:19 00:30:30 183211 2873400"};
        QTest::newRow("classic syslog: the year turns")
            << "classic-newyear.log" << QDateTime(QDate(2024, 1, 2), QTime(8, 0))
            << QStringList{"30 Dec 23 17:59:12 18:30:59 00:31:47 155402 1870231",
                           "31 Dec 23 23:41:07 00:35:52 00:54:45 301877 4023112",
                           "01 Jan 24 18:02:38 18:14:05 00:11:27 20544 190876"};
        QTest::newRow("rsyslog RFC 3339: PPPoE, 64-bit counters, summer and winter")
            << "rfc3339-debian.log" << QDateTime(QDate(2027, 1, 1), QTime(0, 0))
            << QStringList{"14 Jul 26 08:55:02 01:12:44 16:17:42 6442450944 21474836480",
                           "08 Dec 26 14:20:08 16:02:58 01:42:50 18446744073 98121"};
        QTest::newRow("journalctl short: NetworkManager's repeats, 32-bit counters")
            << "journal-short.txt" << QDateTime(QDate(2024, 3, 10), QTime(20, 0))
            << QStringList{"09 Mar 24 08:02:11 21:47:30 13:45:19 398311023 4101228077",
                           "10 Mar 24 18:20:05 19:52:29 01:32:24 12043388 187230455"};
        QTest::newRow("journalctl short-iso from another zone: pppd 2.5.0 without stats")
            << "journal-short-iso.txt" << QDateTime(QDate(2025, 2, 5), QTime(0, 0))
            << QStringList{"03 Feb 25 18:30:40 19:05:21 00:34:41 ? ?",
                           "04 Feb 25 21:04:19 21:41:07 00:36:48 ? ?"};
        QTest::newRow("journalctl short-iso-precise: two modems, a call in progress")
            << "journal-short-iso-precise.txt" << QDateTime(QDate(2024, 6, 21), QTime(12, 0))
            << QStringList{"21 Jun 24 10:58:58 11:31:07 00:32:09 2203991 48812330",
                           "21 Jun 24 11:05:09 11:05:09 in-progress ? ?"};
    }

    void fixtures()
    {
        QFETCH(QString, name);
        QFETCH(QDateTime, modified);
        QFETCH(QStringList, expected);
        const std::optional<QByteArray> bytes = TextFile::readBytes(
            TestEnvironment::sourceDir() + "/tests/sources/pppd/syslog/data/" + name);
        QVERIFY(bytes);
        const LogCopy log(*bytes);
        log.setModified(modified);
        SyslogReader reader(log.path());
        const std::optional<Read> read = readOn(reader);
        QVERIFY(read);
        QVERIFY(read->batch.fromStart);
        QCOMPARE(read->connections, expected);
    }

    void years_data()
    {
        QTest::addColumn<QByteArrayList>("stamps"); // of pppd's lines, or "filler <stamp>"
        QTest::addColumn<QDateTime>("modified");
        QTest::addColumn<QStringList>("expected");

        const QDateTime march2024(QDate(2024, 3, 6), QTime(9, 0));
        QTest::newRow("the modification time gives the last line's year")
            << QByteArrayList{"Mar  5 10:00:00"} << march2024 << QStringList{"2024-03-05"};
        QTest::newRow("a last line after that day is last year's")
            << QByteArrayList{"Dec 30 10:00:00"} << QDateTime(QDate(2024, 1, 2), QTime(9, 0))
            << QStringList{"2023-12-30"};
        QTest::newRow("a clock a little ahead of the file")
            << QByteArrayList{"Mar  6 09:00:30"} << march2024 << QStringList{"2024-03-06"};
        QTest::newRow("a month that goes back starts a year")
            << QByteArrayList{"Nov 20 10:00:00", "Feb  3 10:00:00"} << march2024
            << QStringList{"2023-11-20", "2024-02-03"};
        QTest::newRow("two years turn")
            << QByteArrayList{"Mar  1 10:00:00", "Jan  2 10:00:00", "Dec  3 10:00:00",
                              "Jan  4 10:00:00"}
            << QDateTime(QDate(2024, 1, 5), QTime(9, 0))
            << QStringList{"2022-03-01", "2023-01-02", "2023-12-03", "2024-01-04"};
        QTest::newRow("lines a little out of order at a month's end")
            << QByteArrayList{"Feb  1 00:00:02", "Jan 31 23:59:58"} << march2024
            << QStringList{"2024-02-01", "2024-01-31"};
        QTest::newRow("a year turned between two lines whose months go forward")
            << QByteArrayList{"Jan 10 10:00:00", "filler Dec 20 10:00:00", "Feb  2 10:00:00"}
            << march2024 << QStringList{"2023-01-10", "2024-02-02"};
        QTest::newRow("the 29th of February of a year that has none is dropped")
            << QByteArrayList{"Feb 29 10:00:00", "Mar  1 10:00:00"}
            << QDateTime(QDate(2023, 3, 2), QTime(9, 0)) << QStringList{"2023-03-01"};
    }

    void years()
    {
        QFETCH(QByteArrayList, stamps);
        QFETCH(QDateTime, modified);
        QFETCH(QStringList, expected);
        QByteArray text;
        for (const QByteArray& stamp : stamps) {
            if (stamp.startsWith("filler ")) {
                // More than a sampling stride of other programs' lines.
                const QByteArray filler = stamp.mid(7) + " host CRON[1]: (root) CMD (true)\n";
                text += filler.repeated(3 * 4096 / int(filler.size()));
            } else {
                text += stamp + " host pppd[7]: Exit.\n";
            }
        }
        const LogCopy log(text);
        log.setModified(modified);
        SyslogReader reader(log.path());
        const std::optional<SyslogReader::Batch> batch = reader.read();
        QVERIFY(batch);
        QStringList days;
        for (const PppdRecord& record : batch->records)
            days << record.when.toLocalTime().date().toString(Qt::ISODate);
        QCOMPARE(days, expected);
    }

    void refresh_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QString>("change");  // what happens to the file between two reads
        QTest::addColumn<QByteArray>("then"); // appended after it
        QTest::addColumn<bool>("fromStart");
        QTest::addColumn<QStringList>("expected");

        const QByteArray a = callStart(0) + callEnd(30);
        const QByteArray b = callStart(60, 101) + callEnd(75, 101);
        const QString aRow = QStringLiteral("15 Jan 24 10:00:00 10:30:00 00:30:00 10 20");
        const QString bRow = QStringLiteral("15 Jan 24 11:00:00 11:15:00 00:15:00 10 20");
        const QString twoRow = QStringLiteral("15 Jan 24 10:05:00 10:40:00 00:35:00 10 20");
        const QByteArray stats = line(30, 100, "Sent 10 bytes, received 20 bytes.");

        QTest::newRow("only what is new") << a << "" << b << false << QStringList{bRow};
        // The other call ends while this one runs: its lines are read once.
        QTest::newRow("a call in progress is read again from its Connect:")
            << callStart(0, 1) + callStart(5, 2) + callEnd(20, 1) << "" << callEnd(40, 2) << false
            << QStringList{twoRow};
        QTest::newRow("stats logged after the end was read")
            << callStart(0) + line(30, 100, "Modem hangup") << "" << stats << false
            << QStringList{aRow};
        QTest::newRow("a last line still being written")
            << callStart(0) + line(30, 100, "Modem hangup") + stats.left(50) << "" << stats.mid(50)
            << false << QStringList{aRow};
        QTest::newRow("truncated") << a + a << "truncate" << b << true << QStringList{bRow};
        QTest::newRow("cut shorter after a read that found nothing new")
            << a + a + a + a << "found nothing, then halve" << b << true
            << QStringList{aRow, aRow, bRow};
        QTest::newRow("emptied, then grown past the old end")
            << a << "truncate" << b + b << true << QStringList{bRow, bRow};
        QTest::newRow("replaced by another file")
            << a << "replace" << b << true << QStringList{aRow, bRow};
        QTest::newRow("read again on request")
            << a << "restart" << b << true << QStringList{aRow, bRow};
        // A call in progress when logrotate runs ends in the new file: the rest of the moved
        // file is read first, so that its start is not lost.
        QTest::newRow("rotated by renaming")
            << a + callStart(5, 2) << "rename" << callEnd(40, 2) << false << QStringList{twoRow};
        QTest::newRow("rotated by copying and truncating")
            << a + callStart(5, 2) << "copytruncate" << callEnd(40, 2) << false
            << QStringList{twoRow};
        const QByteArray huge = line(1, 100, QByteArray(SyslogReader::BlockSize + 10, 'x'));
        QTest::newRow("lines longer than the buffer are skipped")
            << callStart(0) + huge + huge << "" << huge + callEnd(30) << false << QStringList{aRow};
        QTest::newRow("gone for one read")
            << callStart(0) << "away" << callEnd(30) << false << QStringList{aRow};
    }

    void refresh()
    {
        QFETCH(QByteArray, first);
        QFETCH(QString, change);
        QFETCH(QByteArray, then);
        QFETCH(bool, fromStart);
        QFETCH(QStringList, expected);
        const LogCopy log(first);
        SyslogReader reader(log.path());
        QVERIFY(readOn(reader));
        const QString aside = log.path() + QStringLiteral(".1");
        if (change == QLatin1String("truncate")) {
            log.write({});
        } else if (change == QLatin1String("found nothing, then halve")) {
            QVERIFY(readOn(reader)->batch.records.isEmpty());
            QVERIFY(QFile::resize(log.path(), QFileInfo(log.path()).size() / 2));
        } else if (change == QLatin1String("replace")) {
            QVERIFY(QFile::copy(log.path(), aside));
            QVERIFY(QFile::remove(log.path()));
            QVERIFY(QFile::rename(aside, log.path()));
        } else if (change == QLatin1String("restart")) {
            reader.restart();
        } else if (change == QLatin1String("rename")) {
            QVERIFY(QFile::rename(log.path(), aside));
        } else if (change == QLatin1String("copytruncate")) {
            QVERIFY(QFile::copy(log.path(), aside));
            log.write({});
        } else if (change == QLatin1String("away")) {
            QVERIFY(QFile::rename(log.path(), aside));
            QString error;
            QVERIFY(!reader.read(&error));
            QVERIFY(error.contains(log.path()));
            QVERIFY(QFile::rename(aside, log.path()));
        }
        log.append(then);
        const std::optional<Read> read = readOn(reader);
        QVERIFY(read);
        QCOMPARE(read->batch.fromStart, fromStart);
        QCOMPARE(read->connections, expected);
        // Nothing is read twice.
        QVERIFY(readOn(reader)->batch.records.isEmpty());
    }

    void shrinkingWhileReadIsAChangedFile()
    {
        QByteArray filler;
        while (filler.size() < 3 * SyslogReader::BlockSize)
            filler += line(1, 9, "rcvd [LCP EchoRep id=0x1 magic=0x5e2a]");
        const LogCopy log(callStart(0) + filler + callEnd(30));
        SyslogReader reader(log.path());
        ProgressHook truncate;
        truncate.action = [&] { QVERIFY(QFile::resize(log.path(), 0)); };
        QString error;
        const std::optional<SyslogReader::Batch> cut = reader.read(&error, &truncate);
        QVERIFY2(cut, qPrintable(error));
        QVERIFY(cut->records.last().message != QLatin1String("Exit."));
        log.append(callStart(60) + callEnd(70));
        const std::optional<Read> next = readOn(reader);
        QVERIFY(next->batch.fromStart);
        QCOMPARE(next->connections, QStringList{"15 Jan 24 11:00:00 11:10:00 00:10:00 10 20"});
    }

    void onlyRegularFilesAreRead()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("folder"));
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        QVERIFY(QDir().mkdir(folder));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        for (const QString& path : {folder, pipe}) {
            SyslogReader reader(path);
            QString error;
            QVERIFY(!reader.read(&error));
            QVERIFY(error.contains(path));
        }
    }

    void classicYearsCarryOnAcrossReads()
    {
        const LogCopy log("Dec 31 23:50:00 host pppd[5]: Connect: ppp0 <--> /dev/ttyS0\n"
                          "Dec 31 23:50:03 host pppd[5]: local  IP address 10.0.0.2\n");
        log.setModified(QDateTime(QDate(2023, 12, 31), QTime(23, 51)));
        SyslogReader reader(log.path());
        QCOMPARE(readOn(reader)->connections,
                 QStringList{"31 Dec 23 23:50:00 23:50:00 in-progress ? ?"});
        log.append("Jan  1 00:20:00 host pppd[5]: Modem hangup\n"
                   "Jan  1 00:20:00 host pppd[5]: Exit.\n"
                   "Jan  2 08:00:00 host pppd[6]: Exit.\n");
        // Whatever the file's time says now, the year carries on from the lines read before.
        log.setModified(QDateTime(QDate(2031, 6, 1), QTime(12, 0)));
        const std::optional<Read> read = readOn(reader);
        QCOMPARE(read->connections, QStringList{"31 Dec 23 23:50:00 00:20:00 00:30:00 ? ?"});
        QCOMPARE(read->batch.records.last().when.toLocalTime().date(), QDate(2024, 1, 2));
    }

    // The first read: the rotated files back to the newest that begins where the own log
    // covers, read oldest first; all of them without an own log.
    void rotatedFilesAtTheStart_data()
    {
        QTest::addColumn<QStringList>("files"); // "name:minute of each call"; older first
        QTest::addColumn<int>("covered");       // the own log's latest start; -1: none
        QTest::addColumn<QStringList>("expected");

        const QStringList numbered{"syslog.3.gz:0", "syslog.2.gz:100", "syslog.1:200",
                                   "syslog:300"};
        const QString first = QStringLiteral("15 Jan 24 10:00:00 10:10:00 00:10:00 10 20");
        const QString second = QStringLiteral("15 Jan 24 11:40:00 11:50:00 00:10:00 10 20");
        const QString third = QStringLiteral("15 Jan 24 13:20:00 13:30:00 00:10:00 10 20");
        const QString fourth = QStringLiteral("15 Jan 24 15:00:00 15:10:00 00:10:00 10 20");
        QTest::newRow("no own log: every rotated file")
            << numbered << -1 << QStringList{first, second, third, fourth};
        QTest::newRow("back to the compressed file that holds the latest start")
            << numbered << 100 << QStringList{second, third, fourth};
        QTest::newRow("back to the moved file that holds the latest start")
            << numbered << 250 << QStringList{third, fourth};
        QTest::newRow("the file itself holds the latest start")
            << numbered << 300 << QStringList{fourth};
        QTest::newRow("dateext names")
            << QStringList{"syslog-20240101.gz:0", "syslog-20240108:100", "syslog:300"} << -1
            << QStringList{first, second, fourth};
        QTest::newRow("a file both plain and still being compressed is read once")
            << QStringList{"syslog.2:100", "syslog.2.gz:100", "syslog:300"} << -1
            << QStringList{second, fourth};
    }

    void rotatedFilesAtTheStart()
    {
        QFETCH(QStringList, files);
        QFETCH(int, covered);
        QFETCH(QStringList, expected);
        const LogFolder folder;
        for (const QString& file : files) {
            const QString name = file.section(u':', 0, 0);
            const int minute = file.section(u':', 1).toInt();
            const bool compressed = name.endsWith(QLatin1String(".gz"));
            const QString written = compressed ? QStringLiteral("scratch") : name;
            folder.append(written, chatter(minute) + call(minute, 10, 100 + minute));
            if (compressed) {
                folder.run(QStringLiteral("gzip scratch"));
                folder.run(QStringLiteral("mv scratch.gz ") + name);
            }
        }
        SyslogReader reader(folder.path());
        const QDateTime until =
            QDateTime(QDate(2024, 1, 15), QTime(10, 0), Qt::UTC).addSecs(covered * 60);
        reader.setCovered([&] { return covered < 0 ? QDateTime() : until; });
        const std::optional<Read> read = readOn(reader);
        QVERIFY(read);
        QVERIFY(read->batch.problems.isEmpty());
        QCOMPARE(read->connections, expected);
    }

    // A call in progress while logrotate runs once or twice ends in the new file: the rest of the
    // file read last is read where it is now, then every file rotated after it, so the call keeps
    // its start and its bytes.
    void callAcrossRotations_data()
    {
        QTest::addColumn<QStringList>("steps");
        const QString move = QStringLiteral("mv syslog syslog.1");
        const QString copy = QStringLiteral("cp syslog syslog.1,truncate syslog");
        QTest::newRow("moved, compressed at once") << QStringList{move, "gzip syslog.1"};
        QTest::newRow("moved twice, the older compressed")
            << QStringList{move, "mv syslog.1 syslog.2", "gzip syslog.2", move};
        QTest::newRow("moved twice, a read between")
            << QStringList{move, "read", "mv syslog.1 syslog.2", "gzip syslog.2", move};
        QTest::newRow("copied and emptied twice, the older compressed")
            << QStringList{copy, "mv syslog.1 syslog.2", "gzip syslog.2", copy};
        QTest::newRow("dateext") << QStringList{"mv syslog syslog-20240115"};
        QTest::newRow("dateext, compressed at once")
            << QStringList{"mv syslog syslog-20240115", "gzip syslog-20240115"};
        QTest::newRow("dateext twice") << QStringList{
            "mv syslog syslog-20240114", "gzip syslog-20240114", "mv syslog syslog-20240115"};
    }

    void callAcrossRotations()
    {
        QFETCH(QStringList, steps);
        const LogFolder folder;
        folder.append(QStringLiteral("syslog"), chatter(0) + callStart(0));
        SyslogReader reader(folder.path());
        QCOMPARE(readOn(reader)->connections,
                 QStringList{"15 Jan 24 10:00:00 10:00:00 in-progress ? ?"});
        int minute = 10;
        for (const QString& step : steps.join(u',').split(u',')) {
            if (step == QLatin1String("read")) {
                QVERIFY(readOn(reader));
            } else {
                folder.run(step);
                // Other programs write to the file logrotate left, and pppd's lines between.
                folder.append(QStringLiteral("syslog"),
                              chatter(minute) + line(minute, 100, "rcvd [LCP EchoReq]"));
                minute += 10;
            }
        }
        folder.append(QStringLiteral("syslog"), callEnd(60));
        const std::optional<Read> read = readOn(reader);
        QVERIFY(read);
        QVERIFY(!read->batch.fromStart);
        QCOMPARE(read->connections, QStringList{"15 Jan 24 10:00:00 11:00:00 01:00:00 10 20"});
        QVERIFY(readOn(reader)->batch.records.isEmpty());
    }

    // A rotated file that cannot be read takes nothing away that could be: the rest is read,
    // and what went wrong is told.
    void unreadableRotatedFiles_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("broken");
        QTest::addColumn<QStringList>("expected");
        const QString early = QStringLiteral("15 Jan 24 10:00:00 10:10:00 00:10:00 10 20");
        const QString late = QStringLiteral("15 Jan 24 11:40:00 11:50:00 00:10:00 10 20");
        const QString now = QStringLiteral("15 Jan 24 13:20:00 13:30:00 00:10:00 10 20");
        QTest::newRow("cut short: its first half is read")
            << QStringList{"gzip syslog.2", "cut syslog.2.gz"} << "syslog.2.gz"
            << QStringList{early, now};
        QTest::newRow("not gzip data")
            << QStringList{"mv syslog.2 syslog.2.gz"} << "syslog.2.gz" << QStringList{now};
        QTest::newRow("a link to nothing")
            << QStringList{"link syslog.3.gz"} << "syslog.3.gz" << QStringList{early, late, now};
    }

    void unreadableRotatedFiles()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, broken);
        QFETCH(QStringList, expected);
        const LogFolder folder;
        // Enough calls and other lines that the compressed file is cut well after the first.
        QByteArray older = call(0, 10, 100);
        while (older.size() < 256 * 1024)
            older += chatter(20) + line(20, 7, "rcvd [LCP EchoReq id=0x1 magic=0x5e2a]");
        folder.append(QStringLiteral("syslog.2"), older + call(100, 10, 101));
        folder.append(QStringLiteral("syslog"), call(200, 10, 102));
        for (const QString& step : steps)
            folder.run(step);
        SyslogReader reader(folder.path());
        reader.setCovered([] { return QDateTime(); });
        const std::optional<Read> read = readOn(reader);
        QVERIFY(read);
        QVERIFY2(read->batch.problems.contains(folder.path(broken)),
                 qPrintable(read->batch.problems));
        QCOMPARE(read->connections, expected);
    }
};

DIALTRAK_TEST(TstSyslogReader)
#include "tst_syslogreader.moc"
