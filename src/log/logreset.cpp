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

bool LogReset::startnew(const QString& logpath, const QString& programDirectory, QString* error)
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

    const QString ownLog = OwnLogFile::pathFor(logpath);
    if (QFile::exists(ownLog) && !QFile::remove(ownLog))
        return fail(error, QStringLiteral("Cannot delete ") + ownLog);

    QFile::remove(ExtraInfoFile::pathFor(logpath, programDirectory));
    return true;
}
