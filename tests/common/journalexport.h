#pragma once

#include "sources/pppd/pppdrecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

// Journal entries written in systemd's journal export format and turned into a real journal file
// by systemd-journal-remote, which appends to a file that is already there.
class JournalExport
{
public:
    // A line pppd logged: identifier "pppd" and its process id.
    JournalExport& pppd(const QDateTime& when, qint64 pid, const QString& message)
    {
        return entry(when, QStringLiteral("pppd"), pid, pid, message);
    }
    // Any program's line. syslogPid is the pid in the syslog line (none: -1), processPid the
    // _PID the journal stamps: they differ for a line another process passed on.
    JournalExport& entry(const QDateTime& when, const QString& identifier, qint64 syslogPid,
                         qint64 processPid, const QString& message)
    {
        // The monotonic clock of one boot, so batches written apart still follow each other.
        const qint64 monotonic = (when.toMSecsSinceEpoch() - BootMoment.toMSecsSinceEpoch()) * 1000;
        const QDateTime wall = when.addSecs(m_wallClockAhead);
        const qint64 usec = wall.toMSecsSinceEpoch() * 1000;
        QByteArray& out = m_text;
        out += "__REALTIME_TIMESTAMP=" + QByteArray::number(usec) + '\n';
        out += "__MONOTONIC_TIMESTAMP=" + QByteArray::number(monotonic) + '\n';
        out += "_BOOT_ID=5b1e0f2a9c8d4e7f8a6b3c2d1e0f9a8b\n";
        out += "_MACHINE_ID=0f1e2d3c4b5a69788796a5b4c3d2e1f0\n";
        out += "_HOSTNAME=modembox\n_TRANSPORT=syslog\nPRIORITY=6\nSYSLOG_FACILITY=3\n";
        out += "SYSLOG_IDENTIFIER=" + identifier.toUtf8() + '\n';
        if (syslogPid >= 0)
            out += "SYSLOG_PID=" + QByteArray::number(syslogPid) + '\n';
        out += "_PID=" + QByteArray::number(processPid) + '\n';
        out += "_COMM=" + identifier.toUtf8().left(15) + '\n';
        out += "MESSAGE=" + message.toUtf8() + "\n\n";
        ++m_count;
        if (identifier == QLatin1String("pppd"))
            m_pppdLines << wall.toUTC().toString(QStringLiteral("hh:mm:ss ")) +
                               QString::number(syslogPid >= 0 ? syslogPid : processPid) +
                               QLatin1Char(' ') + message;
        return *this;
    }

    // From the next entry on, the wall clock shows seconds more (fewer when negative) than the
    // time that passed, as after a step of the clock; the monotonic clock goes on.
    JournalExport& stepWallClock(qint64 seconds)
    {
        m_wallClockAhead += seconds;
        return *this;
    }

    int count() const { return m_count; }
    const QByteArray& text() const { return m_text; }
    // pppd's entries as "hh:mm:ss pid message", the time in UTC, as a reader should find them.
    const QStringList& pppdLines() const { return m_pppdLines; }

    // The entries written to the journal file journalPath (appended when it exists). On failure
    // error receives why. The tool sets a file aside (as name@....journal~) rather than append
    // entries older than its last, or to a file that seems to come from the future: no append
    // at all, so a failure too.
    bool writeTo(const QString& journalPath, QString* error) const
    {
        const QDir folder = QFileInfo(journalPath).dir();
        const QStringList setAside{QStringLiteral("*.journal~")};
        const qsizetype before = folder.entryList(setAside).size();
        const QString exportPath = journalPath + QStringLiteral(".export");
        QFile file(exportPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(m_text) != m_text.size()) {
            *error = QStringLiteral("cannot write ") + exportPath;
            return false;
        }
        file.close();
        // Installed by the package systemd-journal-remote (scripts/setup), outside the PATH.
        const QString program = QStandardPaths::findExecutable(
            QStringLiteral("systemd-journal-remote"),
            {QStringLiteral("/lib/systemd"), QStringLiteral("/usr/lib/systemd")});
        QProcess tool;
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(program, {QStringLiteral("--output=") + journalPath, exportPath});
        const bool done = tool.waitForFinished(120000) &&
                          tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
        QFile::remove(exportPath);
        const bool appended = done && folder.entryList(setAside).size() == before;
        if (!done)
            *error = QStringLiteral("systemd-journal-remote failed: ") + tool.errorString() +
                     QLatin1Char(' ') + QString::fromLocal8Bit(tool.readAll());
        else if (!appended)
            *error = journalPath + QStringLiteral(" was set aside instead of appended to");
        return appended;
    }

private:
    inline static const QDateTime BootMoment = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    QByteArray m_text;
    QStringList m_pppdLines;
    qint64 m_wallClockAhead = 0;
    int m_count = 0;
};

// A folder of journal files, and two dial-up calls as pppd logs them among NetworkManager's
// repeats of its lines and other programs' entries. The first batch ends while the second call
// is in progress; the second batch brings its end.
class JournalFixture
{
public:
    static JournalExport first()
    {
        const qint64 pid = 15438, next = 16020;
        return JournalExport()
            .pppd(at("14:20:01"), pid, "pppd 2.4.9 started by root, uid 0")
            .pppd(at("14:20:03"), pid,
                  "Script /usr/sbin/chat -v -f /etc/chatscripts/provider finished (pid 15439), "
                  "status = 0x0")
            .pppd(at("14:20:03"), pid, "Serial connection established.")
            .pppd(at("14:20:03"), pid, "Using interface ppp0")
            .pppd(at("14:20:03"), pid, "Connect: ppp0 <--> /dev/ttyUSB0")
            .entry(at("14:20:03"), "NetworkManager", 612, 612, "Connect: ppp0 <--> /dev/ttyUSB0")
            .pppd(at("14:20:06"), pid, "local  IP address 10.64.64.64")
            .pppd(at("14:20:06"), pid, "remote IP address 10.112.112.112")
            .entry(at("14:20:06"), "NetworkManager", 612, 612, "local  IP address 10.64.64.64")
            .entry(at("14:30:01"), "CRON", 16001, 16001, "(root) CMD (debian-sa1 1 1)")
            .pppd(at("14:45:10"), pid, "Modem hangup")
            .pppd(at("14:45:10"), pid, "Connect time 25.1 minutes.")
            .pppd(at("14:45:10"), pid, "Sent 123456 bytes, received 7654321 bytes.")
            .pppd(at("14:45:10"), pid, "Connection terminated.")
            .pppd(at("14:45:11"), pid, "Exit.")
            .pppd(at("18:02:38"), next, "pppd 2.4.9 started by root, uid 0")
            .pppd(at("18:02:40"), next, "Connect: ppp0 <--> /dev/ttyACM0")
            // Passed on by another process; sent to the journal directly, with no syslog pid.
            .entry(at("18:02:44"), "pppd", next, 1, "local  IP address 10.64.64.65")
            .entry(at("18:02:44"), "pppd", -1, next, "remote IP address 10.112.112.112");
    }
    static JournalExport second()
    {
        const qint64 pid = 16020;
        return JournalExport()
            .entry(at("18:20:00"), "systemd", 1, 1,
                   "Starting Daily apt upgrade and clean activities...")
            .pppd(at("18:40:12"), pid, "Terminating on signal 15")
            .pppd(at("18:40:12"), pid, "Connect time 37.5 minutes.")
            .pppd(at("18:40:12"), pid, "Sent 2000000 bytes, received 50000000 bytes.")
            .entry(at("18:40:12"), "NetworkManager", 612, 612, "Connection terminated.")
            .pppd(at("18:40:12"), pid, "Connection terminated.")
            .pppd(at("18:40:13"), pid, "Exit.");
    }
    static QDateTime at(const char* time)
    {
        return QDateTime(QDate(2024, 12, 8), QTime::fromString(QLatin1String(time)), Qt::UTC);
    }
    // Each record as JournalExport::pppdLines shows its entry.
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
    // Writes (or appends) log into the journal file name of this folder; a failure is warned of.
    bool write(const JournalExport& log, const QString& name = QStringLiteral("x.journal")) const
    {
        QString error;
        if (log.writeTo(path(name), &error))
            return true;
        qWarning("%s", qPrintable(error));
        return false;
    }

private:
    QTemporaryDir m_dir;
};
