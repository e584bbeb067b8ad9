#pragma once

#include "pppdconnection.h"
#include "pppdrecord.h"

#include <QList>

// Finds the connections in pppd's records, given in time order with the lines of several pppd
// processes interleaved. A connection is one link that carried IP, from its "Connect:" line to
// the first end line of its process or that process's next "Connect:". Links that never carried
// IP and processes that never connected are failed attempts, not connections.
class PppdConnectionBuilder
{
public:
    struct Result {
        // In the order of their "Connect:" lines.
        QList<PppdConnection> connections;
        // Where a later read must start again: the "Connect:" record of the earliest link whose
        // end or byte counts may still come; the number of records when every link is settled.
        qsizetype resumeAt = 0;
    };

    static Result build(const QList<PppdRecord>& records);
};
