#pragma once

#include <QDateTime>
#include <QString>

// Where a read of the journal begins. A cursor that is invalid or no longer in the journal
// (rotated or vacuumed away) is not an error: the read then begins as if none were given.
struct JournalStart {
    // A cursor a previous read gave; empty to begin at notBefore, or at the journal's start.
    QString cursor;
    // True to deliver the entry at the cursor too (a "Connect:" record, where a call still in
    // progress began); false to begin with the entry after it (a read's last cursor).
    bool includeCursorEntry = false;
    // No record logged before this moment is delivered, whatever the cursor; invalid for none.
    QDateTime notBefore;

    static JournalStart fromBeginning() { return {}; }
    static JournalStart after(const QString& cursor, const QDateTime& notBefore = {})
    {
        return {cursor, false, notBefore};
    }
    static JournalStart at(const QString& cursor, const QDateTime& notBefore = {})
    {
        return {cursor, true, notBefore};
    }
    static JournalStart since(const QDateTime& moment) { return {QString(), false, moment}; }
};
