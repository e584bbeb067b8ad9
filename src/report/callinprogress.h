#pragma once

#include "log/datedconnection.h"

#include <QDateTime>
#include <QList>
#include <QString>

class CallCoster;

// The status line's words for a call still in progress, as a live source shows it: when it
// began, how long it has lasted and what it has cost so far, costed as if it ended now.
class CallInProgress
{
public:
    // Of the last call of `calls` to begin; empty when there is none (or the clock stands before
    // its start).
    static QString statusText(const QList<DatedConnection>& calls, const CallCoster& coster,
                              const QDateTime& now);
};
