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
    // The total time and cost of a period, and their averages over its days or weeks.
    struct Totals {
        QString time;
        QString cost;
        QString averageTime;
        QString averageCost;
        // The bytes sent and received, where the connections record them; empty otherwise.
        QString volume;
        // Their average over the days or weeks: "1.2 MB per day"; empty like the volume.
        QString averageVolume;
    };
    struct DaySpan {
        QString firstDay; // Label7, "ddd dd mmm yy"
        QString lastDay;  // Label33
        QString days;     // Label11, "(n days)"
        Totals totals;    // Label2, Label6; per day Label27, Label26
    };
    struct LastWeeks {
        QString weeks; // Label20
        QString from;  // Label22, "week(s) (from " + first day + ")"
        Totals totals; // Label18, Label19; per week Label28, Label29
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
