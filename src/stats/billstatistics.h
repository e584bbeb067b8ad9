#pragma once

#include "billperiod.h"

#include <QString>
#include <QtGlobal>
#include <optional>

class ConnectionTable;

// The figures of one telephone bill: its calls, their time and cost, the bytes they moved where
// their source gives them, and for the bill still running, its cost at the end at the rate so far.
class BillStatistics
{
public:
    struct Figures {
        BillPeriod period;
        // The bill that holds today.
        bool current = false;
        int calls = 0;
        QString time; // H hrs M mins S secs
        double cost = 0;
        // Bytes sent and received by the calls that record them; none when no call does.
        std::optional<quint64> volume;
        // The current bill's cost on its last day if every day costs what the days so far did.
        std::optional<double> projectedCost;
        qint64 seconds = 0; // the time, for scripts
    };

    // The connections dated inside the bill.
    static Figures figures(const ConnectionTable& table, const BillPeriod& period,
                           const QDate& today);
    // The bill holding today and the bill the given number of bills before it.
    static Figures billBack(const ConnectionTable& table, int billDay, int billsBack,
                            const QDate& today);
    // How far back the bills go: to the one holding the first connection. 0 for an empty table,
    // or when the first connection lies in the current bill.
    static int earliestBillBack(const ConnectionTable& table, int billDay, const QDate& today);

    // "This bill (from Sun 15 Nov 26)", or "Bill from Thu 15 Oct 26 to Sat 14 Nov 26".
    static QString heading(const Figures& figures);
    // "at this rate £23.40 by Mon 14 Dec 26"; empty for a bill that has ended.
    static QString projection(const Figures& figures);
};
