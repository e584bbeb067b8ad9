#pragma once

#include "log/connectiontable.h"

#include <QDate>
#include <QString>

// A connection as costing leaves it, for filling tables by hand.
inline ConnectionRecord reportRecord(const QString& date, const QString& start, int hours,
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

// n connections, one a day from 1 April 2000, each 0 h 1 min 1 s at 0.01.
inline void fillDaily(ConnectionTable& table, int count)
{
    for (int n = 0; n < count; ++n) {
        const QDate day = QDate(2000, 4, 1).addDays(n);
        table.append(reportRecord(day.toString(Qt::ISODate), QStringLiteral("10:00:00"), 0, 1, 1,
                                  0.01f, QStringLiteral("call %1").arg(n + 1)));
    }
}
