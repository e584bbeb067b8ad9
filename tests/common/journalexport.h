#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QStringList>

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
        const qint64 usec = when.toMSecsSinceEpoch() * 1000;
        const qint64 monotonic = usec - BootMoment.toMSecsSinceEpoch() * 1000;
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
        return *this;
    }

    int count() const { return m_count; }
    const QByteArray& text() const { return m_text; }

    // The entries written to the journal file journalPath (appended when it exists). On failure
    // error receives why.
    bool writeTo(const QString& journalPath, QString* error) const
    {
        const QString exportPath = journalPath + QStringLiteral(".export");
        QFile file(exportPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(m_text) != m_text.size()) {
            *error = QStringLiteral("cannot write ") + exportPath;
            return false;
        }
        file.close();
        QProcess tool;
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(remoteTool(), {QStringLiteral("--output=") + journalPath, exportPath});
        const bool done = tool.waitForFinished(120000) &&
                          tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
        QFile::remove(exportPath);
        if (!done)
            *error = remoteTool() + QStringLiteral(" failed: ") + tool.errorString() +
                     QLatin1Char(' ') + QString::fromLocal8Bit(tool.readAll());
        return done;
    }

    // Installed by the package systemd-journal-remote (scripts/setup).
    static QString remoteTool()
    {
        for (const char* path :
             {"/lib/systemd/systemd-journal-remote", "/usr/lib/systemd/systemd-journal-remote"})
            if (QFile::exists(QLatin1String(path)))
                return QLatin1String(path);
        return QStringLiteral("systemd-journal-remote");
    }

private:
    inline static const QDateTime BootMoment = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    QByteArray m_text;
    int m_count = 0;
};
