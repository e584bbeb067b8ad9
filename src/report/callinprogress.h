#pragma once

#include <QDateTime>
#include <QString>

class CallCoster;
class ConnectionTable;

// The status line's words for a call still in progress, as a live source shows it: when it
// began, how long it has lasted and what it has cost so far, costed as if it ended now.
class CallInProgress
{
public:
    // Empty when the last connection is not in progress, or began more than a day ago (a call
    // whose end was never logged, not one going on).
    static QString statusText(const ConnectionTable& table, const CallCoster& coster,
                              const QDateTime& now);
};
