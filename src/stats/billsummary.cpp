#include "billsummary.h"

#include "budgetcheck.h"
#include "platform/formats.h"

QString BillSummary::line(const BillStatistics::Figures& figures, const BillPlan& plan)
{
    QStringList parts{figures.time, Formats::currency(figures.cost)};
    const BudgetCheck::Status status = BudgetCheck::check(figures, plan);
    const auto usageOf = [&status](BudgetCheck::Measure measure) -> const BudgetCheck::Usage* {
        for (const BudgetCheck::Usage& use : status.usages) {
            if (use.measure == measure)
                return &use;
        }
        return nullptr;
    };
    const BudgetCheck::Usage* budget = usageOf(BudgetCheck::Measure::Cost);
    parts << (budget ? budget->used + QLatin1String(" budget") : QStringLiteral("no budget"));
    if (figures.volume) {
        parts << Formats::dataSize(*figures.volume);
        if (const BudgetCheck::Usage* cap = usageOf(BudgetCheck::Measure::Volume))
            parts << cap->used + QLatin1String(" cap");
    }
    const QString unknown = BillStatistics::unknownVolumeNote(figures);
    if (!unknown.isEmpty())
        parts << unknown;
    return BillStatistics::heading(figures) + QLatin1String(": ") + parts.join(QLatin1String(", "));
}
