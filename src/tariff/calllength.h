#pragma once

#include <QDate>
#include <QTime>
#include <QTimeZone>

// How long a call lasted in real time. Its end time carries no date, so the call ends at the
// first moment from its start at which the local clock showed that time: within a day, and
// across a change of the clocks as long as it really was (01:50 to 01:10 on the night the clocks
// go back is 20 minutes, not 23 hours 20).
class CallLength
{
public:
    static qint64 seconds(QDate day, QTime start, QTime end, const QTimeZone& zone);

private:
    // Every moment (seconds since the epoch) at which the local clock showed that time of that
    // day: two in the hour the clocks go back, and for the hour they skip, the moment it would
    // have been had they not moved yet.
    static QList<qint64> momentsOf(QDate day, QTime time, const QTimeZone& zone);
};
