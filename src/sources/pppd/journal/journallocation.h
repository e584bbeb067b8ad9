#pragma once

#include <QString>

// Which journal holds pppd's records: this computer's own system journal, or the journal files
// of one folder (as `journalctl -D` reads them: a disk mounted from another machine).
class JournalLocation
{
public:
    static JournalLocation system() { return JournalLocation(QString()); }
    static JournalLocation directory(const QString& path) { return JournalLocation(path); }

    bool isSystem() const { return m_directory.isEmpty(); }
    // Empty for the system journal.
    QString directoryPath() const { return m_directory; }

    bool operator==(const JournalLocation&) const = default;

private:
    explicit JournalLocation(QString directory) : m_directory(std::move(directory)) {}
    QString m_directory;
};
