#pragma once

#include "journallocation.h"
#include "journalreadresult.h"
#include "journalstart.h"
#include "sources/pppd/pppdsource.h"

// pppd's and ModemManager's records in the systemd journal: this computer's, or the journal files
// of a folder.
class JournalSource : public PppdSource
{
public:
    JournalSource(const JournalLocation& location, QString dataDirectory);

    QString description() const override;
    QString openingStatus() const override { return QStringLiteral("Opening the journal..."); }
    QString noConnectionsMessage() const override;
    std::unique_ptr<SourceWatch> watch() override;

    // Whether the journal holds any record of pppd or ModemManager this user may read.
    static bool holdsRecords(const JournalLocation& location);

protected:
    std::optional<Records> readRecords(ProgressSink& progress, bool fromStart,
                                       QString* error) override;
    void resumeAt(qsizetype index) override;

private:
    JournalLocation m_location;
    // Where the next read begins, and what the last one found to begin the one after at.
    JournalStart m_next;
    JournalReadResult m_last;
};
