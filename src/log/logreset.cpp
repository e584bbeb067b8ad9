#include "logreset.h"

#include "extrainfofile.h"
#include "ownlogfile.h"
#include "platform/textfile.h"

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
    // The notes go first, set aside under a name no load reads: should the program be stopped at
    // any later point, no note is left to attach to the calls of the new log. A failure puts
    // them back, as the connections they belong to are then still there.
    const QString notes = ExtraInfoFile::pathFor(logpath, programDirectory);
    const QString asideNotes = notes + QStringLiteral(".deleted");
    QFile::remove(asideNotes);
    const bool notesAside = QFile::exists(notes) && QFile::rename(notes, asideNotes);
    if (QFile::exists(notes) && !notesAside)
        return fail(error, QStringLiteral("Cannot delete ") + notes);
    const auto failWithNotesBack = [&](const QString& text) {
        if (notesAside)
            QFile::rename(asideNotes, notes);
        return fail(error, text);
    };

    // Deleted and created again, so the driver starts a new file rather than appending; through
    // a link, the file the driver writes is the one started again.
    const QString modemLog = TextFile::writeTarget(logpath);
    if (QFile::exists(modemLog) && !QFile::remove(modemLog))
        return failWithNotesBack(QStringLiteral("Cannot delete ") + logpath);
    QFile created(modemLog);
    if (!created.open(QIODevice::WriteOnly))
        return failWithNotesBack(QStringLiteral("Cannot create ") + logpath);
    created.close();

    // Written in one step, so a failure keeps the old file whole.
    const OwnLogFile ownLog(logpath);
    if (!lastLoad.beyondTable.isEmpty() || !lastLoad.unreadableLines.isEmpty()) {
        QString reason;
        if (!ownLog.write(lastLoad.beyondTable, &reason, lastLoad.unreadableLines))
            return failWithNotesBack(reason);
    } else if (QFile::exists(ownLog.path()) && !QFile::remove(ownLog.path())) {
        return failWithNotesBack(QStringLiteral("Cannot delete ") + ownLog.path());
    }

    QFile::remove(asideNotes);
    return true;
}
