#pragma once

#include "journalhandle.h"
#include "journallocation.h"
#include "journalreadresult.h"
#include "journalstart.h"

#include <QStringList>

// Reads pppd's and ModemManager's records (identifiers "pppd", "ModemManager") from the systemd
// journal, with NetworkManager's records that name ModemManager's calls: this computer's system
// journal, or the journal files of a folder. The journal is opened when the reader is made and
// read as it was then: files the journal creates later (a rotation) need a new reader, so make
// one for each read. A failure never throws: it is told in the result's error, with the records
// read before it.
class JournalReader
{
public:
    explicit JournalReader(const JournalLocation& location);

    // Stops once `enough` records are read, when it is not negative: a question of whether there
    // are any need not read them all.
    JournalReadResult read(const JournalStart& start, qsizetype enough = -1);

private:
    // Puts the journal at the entry of start's cursor; false when the cursor is not usable.
    bool seekCursor(const QString& cursor);
    void seekStart(const JournalStart& start);
    // NetworkManager's records that name the calls ModemManager's records begin.
    void readNames(JournalReadResult& result);

    JournalHandle m_handle;
    bool m_matchFailed = false;
    // Files the journal left out when it opened, one text each.
    QStringList m_skipped;
};
