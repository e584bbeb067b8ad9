#pragma once

#include <QString>
#include <memory>
#include <optional>

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
    // pppd's and ModemManager's records in the journal files of a folder, as `journalctl -D` reads
    // them.
    static SourceChoice journalFolder(const QString& directory);
    // The modem log chosen last, kept while another source is in use.
    static QString storedModemLog(const SettingsStore& settings);
    // A file chosen by the user: a syslog-style file is a system log, anything else a modem log.
    static SourceChoice ofFile(const QString& path);
    void save(SettingsStore& settings) const;
    // Nothing was ever chosen: the first start.
    bool nothingChosen() const { return *this == SourceChoice{}; }

    // A source found on this computer that a first start offers, so the user need not look for
    // a file: this computer's journal, where it holds pppd's or ModemManager's records.
    struct Offer;
    static std::optional<Offer> offerOnThisComputer();

    // The source it names; its own files and notes are kept in `dataDirectory`.
    std::unique_ptr<ConnectionSource> open(const QString& dataDirectory) const;

    bool operator==(const SourceChoice&) const = default;
};

struct SourceChoice::Offer {
    SourceChoice choice;
    QString question; // asked with Yes and No
};
