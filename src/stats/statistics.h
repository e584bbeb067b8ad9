#pragma once

#include <QString>

class ConnectionTable;
class QDate;

// The figures of the statistics view, as the texts of its labels: totals and averages over a
// span of days, over the last weeks, and per connection. Days are calendar dates; today is the
// caller's.
class Statistics
{
public:
    struct DaySpan {
        QString firstDay;  // Label7, "ddd dd mmm yy"
        QString lastDay;   // Label33
        QString days;      // Label11, "(n days)"
        QString totalTime; // Label2
        QString totalCost; // Label6
        QString dayTime;   // Label27, average per day
        QString dayCost;   // Label26
    };
    struct LastWeeks {
        QString weeks;     // Label20
        QString from;      // Label22, "week(s) (from " + first day + ")"
        QString totalTime; // Label18
        QString totalCost; // Label19
        QString weekTime;  // Label28, average per week
        QString weekCost;  // Label29
    };
    struct PerConnection {
        QString time; // Label23, average length
        QString cost; // Label4
    };

    // From since days back to sto days back, 1 meaning today; 1 <= sto <= since.
    static DaySpan daySpan(const ConnectionTable& table, int since, int sto, const QDate& today);
    // The 7 × weeks days that end today, and every connection dated after today.
    static LastWeeks lastWeeks(const ConnectionTable& table, int weeks, const QDate& today);
    // Over the whole table.
    static PerConnection perConnection(const ConnectionTable& table);
};
