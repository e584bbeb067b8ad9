#include "logreset.h"

#include "extrainfofile.h"
#include "ownlogfile.h"

#include <QFile>

namespace
{
bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}
} // namespace

bool LogReset::startnew(const QString& logpath, const QString& programDirectory,
                        const LoadReport& lastLoad, QString* error)
{
    if (logpath.isEmpty())
        return fail(error, QStringLiteral("No modem log"));
    // Deleted and created again, so the driver starts a new file rather than appending.
    if (QFile::exists(logpath) && !QFile::remove(logpath))
        return fail(error, QStringLiteral("Cannot delete ") + logpath);
    QFile created(logpath);
    if (!created.open(QIODevice::WriteOnly))
        return fail(error, QStringLiteral("Cannot create ") + logpath);
    created.close();

    // Written in one step, so a failure keeps the old file whole.
    const OwnLogFile ownLog(logpath);
    if (!lastLoad.beyondTable.isEmpty() || !lastLoad.unreadableLines.isEmpty()) {
        if (!ownLog.write(lastLoad.beyondTable, error, lastLoad.unreadableLines))
            return false;
    } else if (QFile::exists(ownLog.path()) && !QFile::remove(ownLog.path())) {
        return fail(error, QStringLiteral("Cannot delete ") + ownLog.path());
    }

    QFile::remove(ExtraInfoFile::pathFor(logpath, programDirectory));
    return true;
}
