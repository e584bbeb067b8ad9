#pragma once

#include "journalexport.h"
#include "log/pppdrecord.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// A folder of journal files holding two dial-up calls as pppd logs them, among NetworkManager's
// repeats of its lines and other programs' entries. The first batch ends while the second call
// is in progress; the second batch brings its end.
class JournalFixture
{
public:
    struct Line {
        const char* time;
        const char* identifier;
        qint64 syslogPid; // -1: sent to the journal directly, with only the journal's own pid
        qint64 pid;       // differs from syslogPid for a line another process passed on
        const char* message;
    };
    using Lines = std::initializer_list<Line>;

    static Lines first()
    {
        static const Lines lines = {
            {"14:20:01", "pppd", 15438, 15438, "pppd 2.4.9 started by root, uid 0"},
            {"14:20:03", "pppd", 15438, 15438,
             "Script /usr/sbin/chat -v -f /etc/chatscripts/provider finished (pid 15439), "
             "status = 0x0"},
            {"14:20:03", "pppd", 15438, 15438, "Serial connection established."},
            {"14:20:03", "pppd", 15438, 15438, "Using interface ppp0"},
            {"14:20:03", "pppd", 15438, 15438, "Connect: ppp0 <--> /dev/ttyUSB0"},
            {"14:20:03", "NetworkManager", 612, 612, "Connect: ppp0 <--> /dev/ttyUSB0"},
            {"14:20:06", "pppd", 15438, 15438, "local  IP address 10.64.64.64"},
            {"14:20:06", "pppd", 15438, 15438, "remote IP address 10.112.112.112"},
            {"14:20:06", "NetworkManager", 612, 612, "local  IP address 10.64.64.64"},
            {"14:30:01", "CRON", 16001, 16001, "(root) CMD (debian-sa1 1 1)"},
            {"14:45:10", "pppd", 15438, 15438, "Modem hangup"},
            {"14:45:10", "pppd", 15438, 15438, "Connect time 25.1 minutes."},
            {"14:45:10", "pppd", 15438, 15438, "Sent 123456 bytes, received 7654321 bytes."},
            {"14:45:10", "pppd", 15438, 15438, "Connection terminated."},
            {"14:45:11", "pppd", 15438, 15438, "Exit."},
            {"18:02:38", "pppd", 16020, 16020, "pppd 2.4.9 started by root, uid 0"},
            {"18:02:40", "pppd", 16020, 16020, "Connect: ppp0 <--> /dev/ttyACM0"},
            {"18:02:44", "pppd", 16020, 1, "local  IP address 10.64.64.65"},
            {"18:02:44", "pppd", -1, 16020, "remote IP address 10.112.112.112"}};
        return lines;
    }
    static Lines second()
    {
        static const Lines lines = {
            {"18:20:00", "systemd", 1, 1, "Starting Daily apt upgrade and clean activities..."},
            {"18:40:12", "pppd", 16020, 16020, "Terminating on signal 15"},
            {"18:40:12", "pppd", 16020, 16020, "Connect time 37.5 minutes."},
            {"18:40:12", "pppd", 16020, 16020, "Sent 2000000 bytes, received 50000000 bytes."},
            {"18:40:12", "NetworkManager", 612, 612, "Connection terminated."},
            {"18:40:12", "pppd", 16020, 16020, "Connection terminated."},
            {"18:40:13", "pppd", 16020, 16020, "Exit."}};
        return lines;
    }

    static QDateTime at(const char* time)
    {
        return QDateTime(QDate(2024, 12, 8), QTime::fromString(QLatin1String(time)), Qt::UTC);
    }
    static JournalExport entries(Lines lines)
    {
        JournalExport log;
        for (const Line& line : lines)
            log.entry(at(line.time), line.identifier, line.syslogPid, line.pid, line.message);
        return log;
    }
    // pppd's records among lines, as recordLines shows them.
    static QStringList pppdLines(Lines lines)
    {
        QStringList out;
        for (const Line& line : lines)
            if (QLatin1String(line.identifier) == QLatin1String("pppd"))
                out << QStringLiteral("%1 %2 %3")
                           .arg(line.time)
                           .arg(line.syslogPid >= 0 ? line.syslogPid : line.pid)
                           .arg(line.message);
        return out;
    }
    // Each record as "hh:mm:ss pid message", the time in UTC.
    static QStringList recordLines(const QList<PppdRecord>& records)
    {
        QStringList out;
        for (const PppdRecord& record : records)
            out << record.when.toUTC().toString(QStringLiteral("hh:mm:ss ")) +
                       QString::number(record.pid) + QLatin1Char(' ') + record.message;
        return out;
    }

    QString dir() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Writes (or appends) lines into the journal file name of this folder. The tool sets a file
    // aside (as name@....journal~) rather than append entries older than its last, or to a file
    // that seems to come from the future: that would be no append at all.
    bool write(Lines lines, const QString& name = QStringLiteral("x.journal")) const
    {
        return write(entries(lines), name);
    }
    bool write(const JournalExport& log, const QString& name) const
    {
        const QStringList setAside{QStringLiteral("*.journal~")};
        const qsizetype before = QDir(dir()).entryList(setAside).size();
        QString error;
        if (!log.writeTo(path(name), &error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        if (QDir(dir()).entryList(setAside).size() != before) {
            qWarning("%s was set aside instead of appended to", qPrintable(name));
            return false;
        }
        return true;
    }

private:
    QTemporaryDir m_dir;
};
