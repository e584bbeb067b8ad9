#include "billsummary.h"

#include "budgetcheck.h"
#include "platform/formats.h"
#include "report/jsonreport.h"
#include "tariff/billplan.h"

#include <QJsonObject>

namespace
{
const BudgetCheck::Usage* usageOf(const BudgetCheck::Status& status, BudgetCheck::Measure measure)
{
    for (const BudgetCheck::Usage& use : status.usages) {
        if (use.measure == measure)
            return &use;
    }
    return nullptr;
}

QJsonValue percentOf(const BudgetCheck::Usage* usage)
{
    return usage ? QJsonValue(usage->percent) : QJsonValue(QJsonValue::Null);
}
} // namespace

QString BillSummary::line(const BillStatistics::Figures& figures, const BillPlan& plan)
{
    QStringList parts{figures.calls == 1 ? QStringLiteral("1 call")
                                         : QStringLiteral("%1 calls").arg(figures.calls),
                      figures.time, Formats::currency(figures.cost)};
    if (const QString projection = BillStatistics::projection(figures); !projection.isEmpty())
        parts << projection;
    const BudgetCheck::Status status = BudgetCheck::check(figures, plan);
    const BudgetCheck::Usage* budget = usageOf(status, BudgetCheck::Measure::Cost);
    parts << (budget ? budget->used + QLatin1String(" budget") : QStringLiteral("no budget"));
    if (figures.volume) {
        parts << Formats::dataSize(*figures.volume);
        if (const BudgetCheck::Usage* cap = usageOf(status, BudgetCheck::Measure::Volume))
            parts << cap->used + QLatin1String(" cap");
    }
    // A data plan's figures, as the bill panel shows them; none without a plan.
    for (const QString& part :
         {BillStatistics::volumeProjection(figures), BillStatistics::allowanceText(figures)}) {
        if (!part.isEmpty())
            parts << part;
    }
    if (figures.fixedPrice > 0)
        parts << Formats::currency(figures.fixedPrice) + QLatin1String(" fixed price");
    const QString unknown = BillStatistics::unknownVolumeNote(figures);
    if (!unknown.isEmpty())
        parts << unknown;
    return BillStatistics::heading(figures) + QLatin1String(": ") + parts.join(QLatin1String(", "));
}

QByteArray BillSummary::json(const BillStatistics::Figures& figures, const BillPlan& plan)
{
    const BudgetCheck::Status status = BudgetCheck::check(figures, plan);
    const std::optional<double> budget = plan.budgetAmount();
    return JsonReport::encode(QJsonObject{
        {QStringLiteral("from"), JsonReport::day(figures.period.first())},
        {QStringLiteral("to"), JsonReport::day(figures.period.last())},
        {QStringLiteral("current"), figures.current},
        {QStringLiteral("calls"), figures.calls},
        {QStringLiteral("seconds"), figures.seconds},
        {QStringLiteral("cost"), JsonReport::amount(figures.cost)},
        {QStringLiteral("currency"), JsonReport::currency()},
        {QStringLiteral("projectedCost"),
         figures.projectedCost ? QJsonValue(JsonReport::amount(*figures.projectedCost))
                               : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("bytes"), JsonReport::bytes(figures.volume)},
        {QStringLiteral("budget"),
         budget ? QJsonValue(JsonReport::amount(*budget)) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("budgetUsedPercent"),
         percentOf(usageOf(status, BudgetCheck::Measure::Cost))},
        {QStringLiteral("volumeCap"), JsonReport::bytes(plan.volumeCapBytes())},
        {QStringLiteral("volumeCapUsedPercent"),
         percentOf(usageOf(status, BudgetCheck::Measure::Volume))},
        {QStringLiteral("projectedBytes"), JsonReport::bytes(figures.projectedVolume)},
        {QStringLiteral("allowance"), JsonReport::bytes(figures.allowance)},
        {QStringLiteral("allowanceUsed"), figures.allowance
                                              ? QJsonValue(double(figures.allowanceUsed))
                                              : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("fixedPrice"), JsonReport::amount(figures.fixedPrice)},
        {QStringLiteral("unknownVolumeCalls"), figures.unknownVolumeCalls},
    });
}
