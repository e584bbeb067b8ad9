#pragma once

#include "log/connectionrecord.h"

#include <QString>

// A connection as costing leaves it, for filling tables by hand.
inline ConnectionRecord costedRecord(const QString& date, const QString& start, int hours,
                                     int minutes, int seconds, float cost,
                                     const QString& otherinfo = QString())
{
    ConnectionRecord record;
    record.conndate = date;
    record.starttime = start;
    record.endtime = start;
    record.durhours = qint16(hours);
    record.durmins = qint16(minutes);
    record.dursecs = qint16(seconds);
    record.cost = cost;
    record.otherinfo = otherinfo;
    return record;
}
