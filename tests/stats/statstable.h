#pragma once

#include "costedrecord.h"
#include "log/connectiontable.h"

#include <QList>

// A connection of that length and cost on that day.
inline ConnectionRecord call(const QString& date, int hours, int minutes, int seconds,
                             float cost = 0)
{
    return costedRecord(date, QStringLiteral("10:00:00"), hours, minutes, seconds, cost);
}

inline ConnectionTable tableOf(const QList<ConnectionRecord>& records)
{
    ConnectionTable table;
    for (const ConnectionRecord& record : records)
        table.append(record);
    return table;
}
