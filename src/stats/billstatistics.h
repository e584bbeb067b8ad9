#pragma once

#include "billperiod.h"

#include <QString>
#include <QtGlobal>
#include <optional>

class BillPlan;
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
        // A data plan's fixed price, which cost and projectedCost hold.
        double fixedPrice = 0;
        // The data plan's allowance, and how much of it the calls of known bytes used; none
        // without an allowance.
        std::optional<quint64> allowance = std::nullopt;
        quint64 allowanceUsed = 0;
        // Calls whose volume cost is unknown: cost holds their time cost alone.
        int unknownVolumeCalls = 0;
        // The current bill's volume on its last day at the rate so far; none without bytes or
        // without an allowance or a price per megabyte.
        std::optional<quint64> projectedVolume = std::nullopt;
        qint64 seconds = 0; // the time, for scripts
    };

    // The connections dated inside the bill.
    static Figures figures(const ConnectionTable& table, const BillPeriod& period,
                           const QDate& today);
    // With the data plan's fixed price and allowance, and the projection by volume: the time
    // cost goes on at the rate so far, and the volume costs what is beyond the allowance.
    static Figures figures(const ConnectionTable& table, const BillPeriod& period,
                           const QDate& today, const BillPlan& plan);
    // The bill holding today and the bill the given number of bills before it.
    static Figures billBack(const ConnectionTable& table, int billDay, int billsBack,
                            const QDate& today);
    static Figures billBack(const ConnectionTable& table, const BillPlan& plan, int billsBack,
                            const QDate& today);
    // How far back the bills go: to the one holding the first connection. 0 for an empty table,
    // or when the first connection lies in the current bill.
    static int earliestBillBack(const ConnectionTable& table, int billDay, const QDate& today);

    // "This bill (from Sun 15 Nov 26)", or "Bill from Thu 15 Oct 26 to Sat 14 Nov 26".
    static QString heading(const Figures& figures);
    // "at this rate £23.40 by Mon 14 Dec 26"; empty for a bill that has ended.
    static QString projection(const Figures& figures);
    // "at this rate 3.2 GB by Mon 14 Dec 26"; empty for a bill that has ended or without bytes.
    static QString volumeProjection(const Figures& figures);
    // "1.2 GB used, 3.8 GB left of 5 GB"; empty without an allowance.
    static QString allowanceText(const Figures& figures);
    // "excludes the volume of 2 calls whose bytes are unknown"; empty when every call's is known.
    static QString unknownVolumeNote(const Figures& figures);
};
