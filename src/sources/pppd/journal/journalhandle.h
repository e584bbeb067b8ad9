#pragma once

#include "journallocation.h"

#include <QString>

struct sd_journal;

// An open sd-journal of one location, closed when the handle ends: the one place that opens
// the journal, for the reader and the watcher alike.
class JournalHandle
{
public:
    explicit JournalHandle(const JournalLocation& location);
    ~JournalHandle();
    JournalHandle(const JournalHandle&) = delete;
    JournalHandle& operator=(const JournalHandle&) = delete;

    // Null when the journal could not be opened.
    sd_journal* get() const { return m_journal; }
    // Why it could not be opened, for the user.
    QString errorString() const { return m_error; }

    // Keeps the journal to pppd's and ModemManager's own records: NetworkManager repeats pppd's
    // lines under its own identifier, so the text alone would count each line twice.
    bool matchRecords();
    // Keeps the journal to NetworkManager's records, which name the connections it starts.
    bool matchNetworkManager();

private:
    sd_journal* m_journal = nullptr;
    QString m_error;
};
