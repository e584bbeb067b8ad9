#pragma once

#include "datedconnection.h"
#include "notelines.h"
#include "ownlogfile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What one load found and did, for the window's messages and for the shutdown step.
struct LoadReport {
    // False when the modem log (or another source) could not be opened; the table is then empty
    // and nothing else was done.
    bool modemLogOpened = false;
    // Why the source could not be read, or read only in part; empty when all went well.
    QString sourceError;
    // Why the bytes of the connections could not be kept; empty when they were.
    QString volumeError;
    // The connections ("yyyy-mm-dd hh:mm:ss") whose byte counts or length could not be real and
    // were left out.
    QStringList volumeIgnored;
    // Every connection the load kept, including those beyond the table's capacity.
    int connectionsRead = 0;
    // More connections than the table holds: it shows the oldest, the own log holds them all.
    bool overflow = false;
    // The own log holds every connection read (rewritten where it did not yet).
    bool ownLogWritten = false;
    // Why the own log was not written although there were connections to write.
    QString ownLogError;
    // Records dropped as copies of a call logged while it was in progress.
    int droppedDuplicates = 0;
    // Calls still going on, oldest first: they are not connections of the table until they end.
    QList<DatedConnection> callsInProgress;
    // A live read could not open the source: the table still shows what the last load found.
    bool sourceLost = false;
    // The connections read after the table was full, oldest first.
    QList<DatedConnection> beyondTable;
    // Own log lines that hold no record this program can read, byte for byte.
    QList<OwnLogFile::KeptLine> unreadableLines;
    // Where the table's notes stand in the notes file, around those lines' own notes.
    NoteLines noteLines;
    // False while the own log cannot be read: the table then lacks its connections, so the
    // notes (kept by connection number) would land on the wrong calls.
    bool notesUsable = true;
    // The notes file is there but could not be read: no note is shown.
    bool notesUnreadable = false;
};
