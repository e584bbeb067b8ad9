#pragma once

#include <QString>
#include <memory>

class ConnectionSource;
class SettingsStore;

// Which source the user chose, as the settings store keeps it. "Logfile"/"Path" holds the
// Windows modem log as every earlier version kept it, and is read exactly as before; the other
// sources are named by "Logfile"/"Source" ("system log", with the file in "Logfile"/"System log",
// or "journal"), which earlier versions do not read, so none of them ever takes a system log for
// a modem log to empty.
struct SourceChoice {
    enum class Kind { ModemLog, SystemLog, Journal };
    Kind kind = Kind::ModemLog;
    // The modem log or the system log file; for the journal, a folder of journal files, or empty
    // for this computer's own journal.
    QString path;

    static SourceChoice load(const SettingsStore& settings);
    // The modem log chosen last, kept while another source is in use.
    static QString storedModemLog(const SettingsStore& settings);
    // A file chosen by the user: a syslog-style file is a system log, anything else a modem log.
    static SourceChoice ofFile(const QString& path);
    void save(SettingsStore& settings) const;

    // The source it names. `logpath` (the table's) receives the modem log's path, which the modem
    // log source goes on reading from, or is cleared for another source.
    std::unique_ptr<ConnectionSource> open(QString& logpath, const QString& dataDirectory) const;

    bool operator==(const SourceChoice&) const = default;
};
