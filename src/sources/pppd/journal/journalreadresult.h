#pragma once

#include "sources/pppd/pppdrecord.h"

#include <QList>
#include <QString>

// What one read of the journal delivered and where the next one may begin.
struct JournalReadResult {
    // A "Connect:" record, or a modem's "connected", and its cursor: where a call still in
    // progress began, so a later read
    // can begin there again (JournalStart::at) and see the call's end when it comes.
    struct ConnectPoint {
        qsizetype record = 0; // index into records
        QString cursor;
        bool operator==(const ConnectPoint&) const = default;
    };

    // pppd's and ModemManager's records in the journal's order, oldest first.
    QList<PppdRecord> records;
    QList<ConnectPoint> connectPoints;
    // NetworkManager's records that name the connections it started just before ModemManager's
    // calls, oldest first.
    QList<PppdRecord> names;
    // Where this read stopped: JournalStart::after(lastCursor) reads only what came since. The
    // start's cursor when nothing new was found, empty when nothing was ever found.
    QString lastCursor;
    // The start's cursor was invalid or no longer in the journal, so the read began at
    // notBefore, or at the start: records already seen may come again.
    bool cursorLost = false;
    // Empty when everything was read. Otherwise what went wrong, for the user; the records read
    // before it went wrong are kept above.
    QString error;

    bool ok() const { return error.isEmpty(); }
};
