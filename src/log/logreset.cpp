#include "logreset.h"

#include "ownlogfile.h"
#include "sources/connectionsource.h"

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

bool LogReset::startnew(ConnectionSource& source, const LoadReport& lastLoad, QString* error)
{
    // The notes go first, set aside under a name no load reads: should the program be stopped at
    // any later point, no note is left to attach to the calls of the new log. A failure puts
    // them back, as the connections they belong to are then still there.
    const QString notes = source.notesPath();
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

    QString reason;
    if (!source.startAfresh(&reason))
        return failWithNotesBack(reason);

    // Written in one step, so a failure keeps the old file whole.
    const OwnLogFile ownLog(source.ownLogPath());
    if (!lastLoad.beyondTable.isEmpty() || !lastLoad.unreadableLines.isEmpty()) {
        if (!ownLog.write(lastLoad.beyondTable, &reason, lastLoad.unreadableLines))
            return failWithNotesBack(reason);
    } else if (QFile::exists(ownLog.path()) && !QFile::remove(ownLog.path())) {
        return failWithNotesBack(QStringLiteral("Cannot delete ") + ownLog.path());
    }

    QFile::remove(asideNotes);
    return true;
}
