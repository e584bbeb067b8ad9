#pragma once

#include "billstatistics.h"

#include <QList>
#include <QString>
#include <QStringList>

class BillPlan;

// How much of the budget and of the volume cap a bill has used, and the warnings that go with
// 80% and 100% of either.
class BudgetCheck
{
public:
    static constexpr int NearPercent = 80;
    static constexpr int OverPercent = 100;

    enum class Measure { Cost, Volume };
    enum class Level { Clear, Near, Over };
    struct Threshold {
        Measure measure = Measure::Cost;
        int percent = NearPercent;
        // "cost80", "volume100": how the thresholds already told of are remembered.
        QString key() const;
        bool operator==(const Threshold&) const = default;
    };
    struct Usage {
        Measure measure = Measure::Cost;
        int percent = 0; // whole percent, cut down
        Level level = Level::Clear;
        QString used;    // "73% of £25.00"
        QString warning; // empty below 80%
        // Shorter forms of the warning: "Over budget: 104% (£26.10 of £25.00)." and
        // "Over budget: 104%."
        QString figures;
        QString brief;
    };
    struct Status {
        // The budget's, then the cap's; a cap counts only once some call of the bill gives bytes.
        QList<Usage> usages;
        Level level = Level::Clear;
        // The warnings of every measure, one sentence each, the worst first.
        QString warning;
        // The warning, then ever shorter forms of it for a narrow space, the worst first in
        // each; the last is the worst threshold and its figure alone. Empty below 80%.
        QStringList forms;
        QList<Threshold> reached;
    };

    static Status check(const BillStatistics::Figures& figures, const BillPlan& plan);
};
