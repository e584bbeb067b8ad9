#pragma once

#include "datedconnection.h"

#include <QHashFunctions>
#include <QList>

// Puts the own log's connections in front of the modem log's, so that each connection stands
// once, and finds the records that were logged while their call was still in progress.
class LogMerger
{
public:
    // Two records are the same connection only with the same day and the same start and end
    // to the second: two short calls can share a minute.
    static bool sameConnection(const DatedConnection& a, const DatedConnection& b);

    // What makes a connection itself: its day and the seconds of its start and end.
    struct Key {
        qint64 day = 0;
        int start = -1;
        int end = -1;
        bool operator==(const Key&) const = default;
    };
    static Key connectionKey(const DatedConnection& c);
    // The own log record from which on the own log holds what the modem log holds: the first
    // that is the same connection as the modem log's first; -1 when there is none.
    static qsizetype stopIndex(const QList<DatedConnection>& own,
                               const QList<DatedConnection>& modem);
    // The own log's records up to the stop, then the modem log's connections. An own log record
    // from the stop on that the modem log does not hold (an older or edited modem log) is kept
    // at its place in time instead of being lost. A modem log connection the own log holds
    // before the stop stands there, once; and an own log record of a call in progress stands
    // next to the modem log's completion of that call, wherever the clock put the two.
    static QList<DatedConnection> merge(const QList<DatedConnection>& own,
                                        const QList<DatedConnection>& modem);
    // Whether record i is an own log record written while its call was in progress (end =
    // start) and followed by its completed copy from this load's modem log (past any further own
    // log copies of it): the same day, and the next start at that time. Any other such pair is
    // two connections and both are kept.
    static bool isInProgressDuplicate(const QList<DatedConnection>& records, qsizetype i);
};

inline size_t qHash(const LogMerger::Key& key, size_t seed = 0)
{
    return qHashMulti(seed, key.day, key.start, key.end);
}
