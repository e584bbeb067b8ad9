#include "bench_syslog.h"

#include "benchreport.h"
#include "sources/pppd/pppdconnectionbuilder.h"
#include "sources/pppd/syslog/syslogreader.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>

namespace
{

constexpr int Runs = 7;

// What other programs write to a system log between pppd's lines.
constexpr const char* Chatter[] = {
    "kernel: [ 8123.412331] usb 1-1.2: new high-speed USB device number 5 using ehci-pci",
    "systemd[1]: Started session-42.scope - Session 42 of User alice.",
    "CRON[6551]: (root) CMD (   cd / && run-parts --report /etc/cron.hourly)",
    "NetworkManager[812]: <info>  [1709971334.2291] device (wlp2s0): state change: activated",
    "dbus-daemon[701]: [system] Successfully activated service 'org.freedesktop.nm_dispatcher'",
    "sshd[22871]: Accepted publickey for alice from 192.168.1.20 port 50022 ssh2: ED25519",
    "systemd-logind[702]: New session 42 of user alice.",
    "rsyslogd[688]: [origin software=\"rsyslogd\" swVersion=\"8.2302.0\"] rsyslogd was HUPed",
};

// "Mar  1 19:00:31 kestrel " as syslog writes it, without a year.
QByteArray prefix(const QDateTime& when)
{
    static constexpr const char Months[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    char text[32];
    const QDate date = when.date();
    const QTime time = when.time();
    std::snprintf(text, sizeof text, "%.3s %2d %02d:%02d:%02d kestrel ",
                  Months + 3 * (date.month() - 1), date.day(), time.hour(), time.minute(),
                  time.second());
    return QByteArray(text);
}

// Writes a classic syslog file: calls every eight hours from March on, over a year's end, each
// with pppd's usual lines, and chatterBytes of other programs' lines around each.
QDateTime writeLog(const QString& path, int calls, qsizetype chatterBytes, const QDateTime& first)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray out;
    QDateTime when = first;
    const auto put = [&](const QDateTime& at, const QByteArray& text) {
        out += prefix(at);
        out += text;
        out += '\n';
    };
    const auto chatter = [&](const QDateTime& from, int seconds, qsizetype bytes) {
        const qsizetype target = out.size() + bytes;
        for (int i = 0; out.size() < target; ++i)
            put(from.addSecs(qint64(i) * seconds * 97 / qMax<qsizetype>(1, bytes)),
                Chatter[i % std::size(Chatter)]);
    };
    for (int call = 0; call < calls; ++call) {
        const QByteArray pppd = "pppd[" + QByteArray::number(3000 + call % 20000) + "]: ";
        const QByteArray chat = "chat[" + QByteArray::number(3001 + call % 20000) + "]: ";
        const QDateTime up = when.addSecs(28);
        const int seconds = 300 + (call * 7919) % 5400;
        const QDateTime down = up.addSecs(seconds);
        put(when, pppd + "pppd 2.4.9 started by alice, uid 1000");
        put(when, chat + "send (ATDT08081234567^M)");
        put(up, chat + "CONNECT");
        put(up, pppd + "Script /usr/sbin/chat -v -f /etc/chatscripts/provider finished (pid " +
                    QByteArray::number(3001 + call % 20000) + "), status = 0x0");
        put(up, pppd + "Serial connection established.");
        put(up, pppd + "using channel 12");
        put(up, pppd + "Using interface ppp0");
        put(up, pppd + "Connect: ppp0 <--> /dev/ttyS0");
        put(up.addSecs(3), pppd + "PAP authentication succeeded");
        put(up.addSecs(4), pppd + "local  IP address 81.2.69.142");
        put(up.addSecs(4), pppd + "remote IP address 81.2.69.1");
        put(up.addSecs(4), pppd + "primary   DNS address 81.2.69.2");
        put(up.addSecs(4), pppd + "secondary DNS address 81.2.69.3");
        chatter(up.addSecs(5), seconds - 10, chatterBytes / 2);
        put(down, pppd + "Terminating on signal 15");
        put(down, pppd + "Connect time " + QByteArray::number(seconds / 60) + ".0 minutes.");
        put(down, pppd + "Sent " + QByteArray::number(100000 + call) + " bytes, received " +
                      QByteArray::number(2000000 + call) + " bytes.");
        put(down.addSecs(1), pppd + "Connection terminated.");
        put(down.addSecs(1), pppd + "Exit.");
        when = when.addSecs(8 * 3600);
        chatter(down.addSecs(2), int(down.secsTo(when)) - 4, chatterBytes / 2);
        if (out.size() > (8 << 20)) {
            file.write(out);
            out.clear();
        }
    }
    file.write(out);
    file.setFileTime(when, QFileDevice::FileModificationTime);
    if (file.error() != QFileDevice::NoError)
        qFatal("cannot write %s", qPrintable(path));
    return when;
}

// read() into a buffer of the reader's size and a count of the line ends: the least any read
// of the file can cost.
double plainPassMs(const QString& path)
{
    QByteArray buffer(SyslogReader::BlockSize, Qt::Uninitialized);
    qint64 lines = 0;
    const double ms = BenchReport::bestMs(Runs, [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            qFatal("cannot read %s", qPrintable(path));
        lines = 0;
        while (true) {
            const qint64 got = file.read(buffer.data(), buffer.size());
            if (got <= 0)
                break;
            const char* at = buffer.constData();
            const char* end = at + got;
            while ((at = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at))))) {
                ++lines;
                ++at;
            }
        }
    });
    if (lines == 0)
        qFatal("no lines in %s", qPrintable(path));
    return ms;
}

// zcat of a compressed file to nowhere: the least its inflating can cost.
double zcatMs(const QString& path)
{
    return BenchReport::bestMs(Runs, [&] {
        QProcess zcat;
        zcat.setStandardOutputFile(QProcess::nullDevice());
        zcat.start(QStringLiteral("zcat"), {path});
        if (!zcat.waitForFinished(-1) || zcat.exitCode() != 0)
            qFatal("zcat cannot read %s", qPrintable(path));
    });
}

qsizetype connectionsIn(SyslogReader& reader)
{
    const std::optional<SyslogReader::Batch> batch = reader.read();
    if (!batch)
        qFatal("cannot read %s", qPrintable(reader.path()));
    const PppdConnectionBuilder::Result built = PppdConnectionBuilder::build(batch->records);
    reader.resumeAt(built.resumeAt);
    return built.connections.size();
}

} // namespace

void syslogBench(BenchReport& report)
{
    QTemporaryDir dir;
    const QDateTime march(QDate(2024, 3, 1), QTime(19, 0));

    const QString large = dir.filePath(QStringLiteral("syslog"));
    writeLog(large, 1000, 101 * 1024, march);
    qsizetype found = 0;
    const double full = BenchReport::bestMs(Runs, [&] {
        SyslogReader reader(large);
        found = connectionsIn(reader);
    });
    if (found != 1000)
        qFatal("%lld connections in the syslog file, not 1000", qint64(found));
    const double floor = plainPassMs(large);
    const qint64 megabytes = QFile(large).size() >> 20;
    report.note(QStringLiteral("syslog read, 1000 calls in a %1 MB file").arg(megabytes), full,
                QStringLiteral("ms"));
    report.note(QStringLiteral("plain pass, same file"), floor, QStringLiteral("ms"));
    report.add(QStringLiteral("%1 MB syslog read / plain pass").arg(megabytes), full / floor, 2.0,
               QStringLiteral("x"));

    // 100,000 old lines of pppd's (calls of 16 lines), then one call of 10 new ones.
    const QString busy = dir.filePath(QStringLiteral("busy"));
    const QDateTime next = writeLog(busy, 100000 / 16, 0, march);
    const qint64 oldSize = QFile(busy).size();
    SyslogReader read(busy);
    connectionsIn(read);
    QByteArray fresh;
    for (const char* message :
         {"pppd 2.4.9 started by alice, uid 1000", "Serial connection established.",
          "Using interface ppp0", "Connect: ppp0 <--> /dev/ttyS0", "PAP authentication succeeded",
          "local  IP address 81.2.69.142", "remote IP address 81.2.69.1", "Modem hangup",
          "Sent 1234 bytes, received 56789 bytes.", "Exit."})
        fresh += prefix(next) + "pppd[999]: " + message + '\n';
    SyslogReader refreshing = read;
    found = 0;
    const double refresh = BenchReport::bestMs(
        Runs, [&] { found = connectionsIn(refreshing); },
        [&] {
            refreshing = read;
            QFile file(busy);
            if (!file.resize(oldSize) || !file.open(QIODevice::Append) ||
                file.write(fresh) != fresh.size())
                qFatal("cannot append to %s", qPrintable(busy));
        });
    if (found != 1)
        qFatal("the Refresh found %lld connections, not the new one", qint64(found));
    report.add(QStringLiteral("syslog Refresh, 10 new records after 100,000"), refresh, 10.0,
               QStringLiteral("ms"));

    // A rotated set read at the first start, without an own log: NAME.2.gz, NAME.1 and the file,
    // about 50 MB of log each.
    const QString current = dir.filePath(QStringLiteral("rotated"));
    QDateTime when = march;
    for (const QString& suffix : {QStringLiteral(".2"), QStringLiteral(".1"), QString()})
        when = writeLog(current + suffix, 500, 101 * 1024, when);
    if (QProcess::execute(QStringLiteral("gzip"), {current + QStringLiteral(".2")}) != 0)
        qFatal("cannot compress %s.2", qPrintable(current));
    found = 0;
    const double set = BenchReport::bestMs(Runs, [&] {
        SyslogReader reader(current);
        reader.setCovered([] { return QDateTime(); });
        found = connectionsIn(reader);
    });
    if (found != 1500)
        qFatal("%lld connections in the rotated set, not 1500", qint64(found));
    const double setFloor = plainPassMs(current) + plainPassMs(current + QStringLiteral(".1")) +
                            zcatMs(current + QStringLiteral(".2.gz"));
    report.note(QStringLiteral("rotated set read, 1500 calls in 3 files of %1 MB, one compressed")
                    .arg(QFile(current).size() >> 20),
                set, QStringLiteral("ms"));
    report.note(QStringLiteral("plain passes and zcat, same files"), setFloor,
                QStringLiteral("ms"));
    report.add(QStringLiteral("rotated set read / plain passes and zcat"), set / setFloor, 2.0,
               QStringLiteral("x"));
}
