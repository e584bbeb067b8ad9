#pragma once

#include "journallocation.h"

#include <QStringList>

struct sd_journal;

// sd-journal passes over a journal file it cannot open (damaged, of a newer format, unreadable)
// without a word, and the user would see records missing for no reason. This finds such files
// by comparing what the journal opened with the journal files on disk that it would read.
class JournalFileCheck
{
public:
    // The journal files sd-journal reads at location, in the same places and by the same names.
    static QStringList candidates(const JournalLocation& location);
    // One text for the user per file the open journal left out. Files of the system journal
    // that this user may not read are left out on purpose (JournalAccess tells why).
    static QStringList skippedFiles(sd_journal* journal, const JournalLocation& location);
};
