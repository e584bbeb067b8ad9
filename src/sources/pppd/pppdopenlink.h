#pragma once

#include "pppdconnection.h"

#include <QDateTime>
#include <QStringList>

// A link whose end or byte counts may still come, as far as a read got with it. The next read
// carries on with it, so that its start and its bytes join its end even when the records of its
// start are gone by then: a log rotated twice, the journal vacuumed, the program restarted.
struct PppdOpenLink {
    PppdConnection connection;
    bool carriedIp = false;
    // IP came up since the last stats line: pppd logs the counters when IP goes down, which
    // may be before or after the line that ends the link.
    bool statsDue = false;
    // The moment of the last of its records that was taken, and the messages taken at that
    // moment: a later read that holds these again takes only what follows them.
    QDateTime lastTaken;
    QStringList lastMessages;

    bool open() const { return !connection.end && !connection.processLost; }
    bool operator==(const PppdOpenLink&) const = default;
};
