#pragma once

#include "journallocation.h"

#include <QList>
#include <QString>
#include <QStringList>

// Who may read the system journal. sd-journal opens it for anyone, but to a user who is neither
// root nor in a group that may read it, it shows none of its entries: an empty result needs this
// to be understood.
class JournalAccess
{
public:
    // The groups that may read the whole system journal.
    static QStringList readerGroups();

    // Whether this process may read the system journal: run by root, or a member of one of the
    // reader groups as of the user's login (a group joined since counts after logging in again,
    // and so it does here).
    static bool canReadSystemJournal();
    // The same rule for given ids, where readerGroupIds are the ids of the reader groups.
    static bool grants(uint effectiveUid, const QList<uint>& groupIds,
                       const QList<uint>& readerGroupIds);

    // What to tell a user whose system journal yielded no pppd record while they may not read
    // it: the group, the command that joins it, and logging in again.
    static QString notPermittedMessage();
    // What to tell when a journal holds no record of pppd: notPermittedMessage() for the
    // system journal of a user who may not read it, otherwise plainly that there are none.
    static QString noRecordsMessage(const JournalLocation& location);
};
