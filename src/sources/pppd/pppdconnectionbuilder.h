#pragma once

#include "pppdconnection.h"
#include "pppdopenlink.h"
#include "pppdrecord.h"

#include <QList>

// Finds the connections in pppd's records, given in time order with the lines of several pppd
// processes interleaved. A connection is one link that carried IP, from its "Connect:" line to
// the first end line of its process or that process's next "Connect:". Links that never carried
// IP and processes that never connected are failed attempts, not connections. The same record
// twice among the records of one moment (two syslog daemons writing one file) is one record.
class PppdConnectionBuilder
{
public:
    struct Result {
        // The links carried in that carried IP, then the others in the order of their
        // "Connect:" lines.
        QList<PppdConnection> connections;
        // Where a later read should start again: the "Connect:" record of the earliest link
        // begun in these records whose end or byte counts may still come; the number of records
        // when there is none.
        qsizetype resumeAt = 0;
        // Every link whose end or byte counts may still come, for the next build to carry on.
        QList<PppdOpenLink> open;
    };

    // `carried`: the links a build of earlier records left open. Records that build took already
    // are not taken twice; a carried link whose "Connect:" is among the records is built again
    // from there instead.
    static Result build(const QList<PppdRecord>& records, const QList<PppdOpenLink>& carried = {});
};
