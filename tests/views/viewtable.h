#pragma once

#include "log/connectiontable.h"

#include <QDate>
#include <QString>

// A connection as costing leaves it, for filling tables by hand.
inline ConnectionRecord viewRecord(const QString& date, const QString& start, int hours,
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

// count connections, two a day from 1 April 2000, connection n lasting n seconds.
inline void fillTwoADay(ConnectionTable& table, int count)
{
    for (int n = 1; n <= count; ++n) {
        const QDate day = QDate(2000, 4, 1).addDays((n - 1) / 2);
        table.append(viewRecord(day.toString(Qt::ISODate),
                                n % 2 ? QStringLiteral("10:00:00") : QStringLiteral("21:05:00"), 0,
                                0, n % 60, 0.01f * float(n % 7)));
    }
}
