#pragma once

#include "costedrecord.h"
#include "log/connectiontable.h"

#include <QDate>
#include <QString>

// n connections, one a day from 1 April 2000, each 0 h 1 min 1 s at 0.01.
inline void fillDaily(ConnectionTable& table, int count)
{
    for (int n = 0; n < count; ++n) {
        const QDate day = QDate(2000, 4, 1).addDays(n);
        table.append(costedRecord(day.toString(Qt::ISODate), QStringLiteral("10:00:00"), 0, 1, 1,
                                  0.01f, QStringLiteral("call %1").arg(n + 1)));
    }
}
