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
    static QDateTime at(const char* time)
    {
        return QDateTime(QDate(2024, 12, 8), QTime::fromString(QLatin1String(time)), Qt::UTC);
    }

    static JournalExport firstBatch()
    {
        JournalExport log;
        log.pppd(at("14:20:01"), 15438, "pppd 2.4.9 started by root, uid 0")
            .pppd(at("14:20:03"), 15438,
                  "Script /usr/sbin/chat -v -f /etc/chatscripts/provider finished (pid 15439), "
                  "status = 0x0")
            .pppd(at("14:20:03"), 15438, "Serial connection established.")
            .pppd(at("14:20:03"), 15438, "Using interface ppp0")
            .pppd(at("14:20:03"), 15438, "Connect: ppp0 <--> /dev/ttyUSB0")
            .entry(at("14:20:03"), "NetworkManager", 612, 612, "Connect: ppp0 <--> /dev/ttyUSB0")
            .pppd(at("14:20:06"), 15438, "local  IP address 10.64.64.64")
            .pppd(at("14:20:06"), 15438, "remote IP address 10.112.112.112")
            .entry(at("14:20:06"), "NetworkManager", 612, 612, "local  IP address 10.64.64.64")
            .entry(at("14:30:01"), "CRON", 16001, 16001, "(root) CMD (debian-sa1 1 1)")
            .pppd(at("14:45:10"), 15438, "Modem hangup")
            .pppd(at("14:45:10"), 15438, "Connect time 25.1 minutes.")
            .pppd(at("14:45:10"), 15438, "Sent 123456 bytes, received 7654321 bytes.")
            .pppd(at("14:45:10"), 15438, "Connection terminated.")
            .pppd(at("14:45:11"), 15438, "Exit.")
            .pppd(at("18:02:38"), 16020, "pppd 2.4.9 started by root, uid 0")
            .pppd(at("18:02:40"), 16020, "Connect: ppp0 <--> /dev/ttyACM0")
            // Passed on by another process: the syslog pid is pppd's.
            .entry(at("18:02:44"), "pppd", 16020, 1, "local  IP address 10.64.64.65")
            // Sent to the journal directly: only the journal's own pid.
            .entry(at("18:02:44"), "pppd", -1, 16020, "remote IP address 10.112.112.112");
        return log;
    }
    static QStringList firstBatchRecords()
    {
        return {"14:20:01 15438 pppd 2.4.9 started by root, uid 0",
                "14:20:03 15438 Script /usr/sbin/chat -v -f /etc/chatscripts/provider finished "
                "(pid 15439), status = 0x0",
                "14:20:03 15438 Serial connection established.",
                "14:20:03 15438 Using interface ppp0",
                "14:20:03 15438 Connect: ppp0 <--> /dev/ttyUSB0",
                "14:20:06 15438 local  IP address 10.64.64.64",
                "14:20:06 15438 remote IP address 10.112.112.112",
                "14:45:10 15438 Modem hangup",
                "14:45:10 15438 Connect time 25.1 minutes.",
                "14:45:10 15438 Sent 123456 bytes, received 7654321 bytes.",
                "14:45:10 15438 Connection terminated.",
                "14:45:11 15438 Exit.",
                "18:02:38 16020 pppd 2.4.9 started by root, uid 0",
                "18:02:40 16020 Connect: ppp0 <--> /dev/ttyACM0",
                "18:02:44 16020 local  IP address 10.64.64.65",
                "18:02:44 16020 remote IP address 10.112.112.112"};
    }

    static JournalExport secondBatch()
    {
        JournalExport log;
        log.entry(at("18:20:00"), "systemd", 1, 1,
                  "Starting Daily apt upgrade and clean activities...")
            .pppd(at("18:40:12"), 16020, "Terminating on signal 15")
            .pppd(at("18:40:12"), 16020, "Connect time 37.5 minutes.")
            .pppd(at("18:40:12"), 16020, "Sent 2000000 bytes, received 50000000 bytes.")
            .entry(at("18:40:12"), "NetworkManager", 612, 612, "Connection terminated.")
            .pppd(at("18:40:12"), 16020, "Connection terminated.")
            .pppd(at("18:40:13"), 16020, "Exit.");
        return log;
    }
    static QStringList secondBatchRecords()
    {
        return {"18:40:12 16020 Terminating on signal 15",
                "18:40:12 16020 Connect time 37.5 minutes.",
                "18:40:12 16020 Sent 2000000 bytes, received 50000000 bytes.",
                "18:40:12 16020 Connection terminated.", "18:40:13 16020 Exit."};
    }

    // Each record as "hh:mm:ss pid message", the time in UTC.
    static QStringList lines(const QList<PppdRecord>& records)
    {
        QStringList out;
        for (const PppdRecord& record : records)
            out << record.when.toUTC().toString(QStringLiteral("hh:mm:ss ")) +
                       QString::number(record.pid) + QLatin1Char(' ') + record.message;
        return out;
    }

    QString dir() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Writes (or appends) log into the journal file name of this folder. The tool sets a file
    // aside (as name@....journal~) rather than append to it entries older than its last, or
    // when the file seems to come from the future: that would make no append at all.
    bool write(const JournalExport& log, const QString& name = QStringLiteral("x.journal")) const
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
