#include "journalaccess.h"

#include <grp.h>
#include <unistd.h>

QStringList JournalAccess::readerGroups()
{
    return {QStringLiteral("systemd-journal"), QStringLiteral("adm")};
}

bool JournalAccess::grants(uint effectiveUid, const QList<uint>& groupIds,
                           const QList<uint>& readerGroupIds)
{
    if (effectiveUid == 0)
        return true;
    for (const uint group : groupIds)
        if (readerGroupIds.contains(group))
            return true;
    return false;
}

bool JournalAccess::canReadSystemJournal()
{
    QList<uint> readers;
    for (const QString& name : readerGroups())
        if (const struct group* entry = ::getgrnam(name.toLatin1().constData()))
            readers << uint(entry->gr_gid);

    QList<uint> groups{uint(::getegid())};
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        QList<gid_t> supplementary(count);
        const int got = ::getgroups(count, supplementary.data());
        for (int i = 0; i < got; ++i)
            groups << uint(supplementary[i]);
    }
    return grants(uint(::geteuid()), groups, readers);
}

QString JournalAccess::notPermittedMessage()
{
    return QStringLiteral(
        "No PPP or mobile connection was found in this computer's journal, and you may not read "
        "all of it: only members of the group \"systemd-journal\" (or \"adm\") can read the "
        "records that pppd and ModemManager leave there.\n\n"
        "To join the group, run this command in a terminal:\n\n"
        "    sudo adduser $USER systemd-journal\n\n"
        "then log out and log in again, and start Dialtrak again.");
}

QString JournalAccess::noRecordsMessage(const JournalLocation& location)
{
    if (location.isSystem() && !canReadSystemJournal())
        return notPermittedMessage();
    return location.isSystem() ? QStringLiteral("This computer's journal holds no record of a PPP "
                                                "or mobile connection (none logged by pppd or "
                                                "ModemManager).")
                               : QStringLiteral("These journal files hold no record of a PPP "
                                                "or mobile connection (none logged by pppd or "
                                                "ModemManager).");
}
