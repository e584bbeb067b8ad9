#include "budgetcheck.h"

#include "platform/formats.h"
#include "tariff/billplan.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace
{
// Amounts are held to four decimal places; a cost within half of the last one of a threshold
// has reached it, so £20.00 of £25.00 is 80% however the single-precision costs added up.
constexpr double kCostTolerance = 0.00005;

BudgetCheck::Usage usage(BudgetCheck::Measure measure, double used, double limit, double tolerance,
                         const QString& usedText, const QString& limitText)
{
    BudgetCheck::Usage result;
    result.measure = measure;
    result.percent = int(std::floor((used + tolerance) * 100.0 / limit));
    if (used + tolerance >= limit)
        result.level = BudgetCheck::Level::Over;
    else if (used + tolerance >= limit * BudgetCheck::NearPercent / 100.0)
        result.level = BudgetCheck::Level::Near;
    result.used = QString::number(result.percent) + QLatin1String("% of ") + limitText;
    if (result.level == BudgetCheck::Level::Clear)
        return result;
    const bool cost = measure == BudgetCheck::Measure::Cost;
    const QString what = cost ? QStringLiteral("budget") : QStringLiteral("volume cap");
    const QString heading = (result.level == BudgetCheck::Level::Over ? QLatin1String("Over ")
                                                                      : QLatin1String("Near ")) +
                            what;
    const QString share = QString::number(result.percent) + QLatin1Char('%');
    const QString amounts = usedText + QLatin1String(" of ") + limitText;
    // "Over budget: this bill has used 104% of its budget (£26.10 of £25.00)."
    result.warning = heading + QLatin1String(": this bill has used ") + share +
                     QLatin1String(" of its ") + what + QLatin1String(" (") + amounts +
                     QLatin1String(").");
    result.figures =
        heading + QLatin1String(": ") + share + QLatin1String(" (") + amounts + QLatin1String(").");
    result.brief = heading + QLatin1String(": ") + share + QLatin1Char('.');
    return result;
}
} // namespace

QString BudgetCheck::Threshold::key() const
{
    return (measure == Measure::Cost ? QLatin1String("cost") : QLatin1String("volume")) +
           QString::number(percent);
}

BudgetCheck::Status BudgetCheck::check(const BillStatistics::Figures& figures, const BillPlan& plan)
{
    Status status;
    if (const std::optional<double> budget = plan.budgetAmount())
        status.usages << usage(Measure::Cost, figures.cost, *budget, kCostTolerance,
                               Formats::currency(figures.cost), Formats::currency(*budget));
    const std::optional<quint64> cap = plan.volumeCapBytes();
    if (cap && figures.volume)
        status.usages << usage(Measure::Volume, double(*figures.volume), double(*cap), 0,
                               Formats::dataSize(*figures.volume), Formats::dataSize(*cap));
    QList<Usage> warned;
    for (const Usage& use : std::as_const(status.usages)) {
        status.level = qMax(status.level, use.level);
        if (use.level != Level::Clear)
            warned << use;
        if (use.level >= Level::Near)
            status.reached << Threshold{use.measure, NearPercent};
        if (use.level == Level::Over)
            status.reached << Threshold{use.measure, OverPercent};
    }
    // The worst first: a cap passed is more urgent than a budget nearly reached.
    std::stable_sort(warned.begin(), warned.end(), [](const Usage& a, const Usage& b) {
        return std::pair(a.level, a.percent) > std::pair(b.level, b.percent);
    });
    for (QString Usage::*form : {&Usage::warning, &Usage::figures, &Usage::brief}) {
        QStringList parts;
        for (const Usage& use : std::as_const(warned))
            parts << use.*form;
        if (!parts.isEmpty())
            status.forms << parts.join(QLatin1Char(' '));
    }
    if (warned.size() > 1)
        status.forms << warned.first().brief;
    status.warning = status.forms.value(0);
    return status;
}
