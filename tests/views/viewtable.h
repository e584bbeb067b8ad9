#pragma once

#include "costedrecord.h"
#include "log/connectiontable.h"

#include <QDate>
#include <QString>

// count connections, two a day from 1 April 2000, connection n lasting n seconds.
inline void fillTwoADay(ConnectionTable& table, int count)
{
    for (int n = 1; n <= count; ++n) {
        const QDate day = QDate(2000, 4, 1).addDays((n - 1) / 2);
        table.append(costedRecord(day.toString(Qt::ISODate),
                                  n % 2 ? QStringLiteral("10:00:00") : QStringLiteral("21:05:00"),
                                  0, 0, n % 60, 0.01f * float(n % 7)));
    }
}

// Replaces the table's connections by these, in order.
inline void loadTable(ConnectionTable& table, const QList<ConnectionRecord>& records)
{
    table.clear();
    for (const ConnectionRecord& record : records)
        table.append(record);
}
