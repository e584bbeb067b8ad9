#include "billstatistics.h"

#include "log/connectiontable.h"
#include "platform/dateparser.h"
#include "platform/formats.h"
#include "report/timetotal.h"
#include "tariff/billplan.h"

#include <QLocale>

BillStatistics::Figures BillStatistics::figures(const ConnectionTable& table,
                                                const BillPeriod& period, const QDate& today)
{
    return figures(table, period, today, BillPlan());
}

BillStatistics::Figures BillStatistics::figures(const ConnectionTable& table,
                                                const BillPeriod& period, const QDate& today,
                                                const BillPlan& plan)
{
    const TimeTotal total = TimeTotal::dated(table, period.first(), period.last());
    const double fixed = plan.fixedPriceAmount();
    Figures result{period,
                   period.contains(today),
                   total.count(),
                   total.timeText(),
                   total.cost() + fixed,
                   total.volume(),
                   std::nullopt,
                   fixed,
                   plan.allowanceBytes(),
                   0,
                   total.unknownVolumeCalls(),
                   std::nullopt,
                   total.totalSeconds()};
    if (result.allowance)
        result.allowanceUsed = std::min(total.volume().value_or(0), *result.allowance);
    if (!result.current)
        return result;
    const double days = period.days();
    const double elapsed = double(period.first().daysTo(today) + 1);
    // Only a data plan bills by volume: without one the bill's figures stay those of time.
    const bool dataPlan = result.allowance || plan.pricesVolume();
    if (dataPlan && total.volume())
        result.projectedVolume = quint64(std::llround(double(*total.volume()) * days / elapsed));
    if (plan.pricesVolume() && result.projectedVolume) {
        // Beyond the allowance, bytes cost in proportion; within it, nothing.
        const quint64 beyond = *result.projectedVolume -
                               std::min(*result.projectedVolume, result.allowance.value_or(0));
        result.projectedCost =
            (total.cost() - total.volumeCost()) * days / elapsed + plan.volumePrice(beyond) + fixed;
    } else {
        result.projectedCost = total.cost() * period.days() / elapsed + fixed;
    }
    return result;
}

BillStatistics::Figures BillStatistics::billBack(const ConnectionTable& table, int billDay,
                                                 int billsBack, const QDate& today)
{
    BillPlan plan;
    plan.setBillDay(billDay);
    return billBack(table, plan, billsBack, today);
}

BillStatistics::Figures BillStatistics::billBack(const ConnectionTable& table, const BillPlan& plan,
                                                 int billsBack, const QDate& today)
{
    return figures(table, BillPeriod::containing(today, plan.billDay()).earlier(billsBack), today,
                   plan);
}

int BillStatistics::earliestBillBack(const ConnectionTable& table, int billDay, const QDate& today)
{
    if (table.isEmpty())
        return 0;
    const std::optional<QDate> first = DateParser::parseDate(table[1].conndate);
    if (!first)
        return 0;
    return qMax(0, BillPeriod::containing(today, billDay).billsSince(*first));
}

QString BillStatistics::heading(const Figures& figures)
{
    if (figures.current)
        return QLatin1String("This bill (from ") + Formats::dddDdMmmYy(figures.period.first()) +
               QLatin1Char(')');
    return QLatin1String("Bill from ") + Formats::dddDdMmmYy(figures.period.first()) +
           QLatin1String(" to ") + Formats::dddDdMmmYy(figures.period.last());
}

QString BillStatistics::projection(const Figures& figures)
{
    if (!figures.projectedCost)
        return QString();
    return QLatin1String("at this rate ") + Formats::currency(*figures.projectedCost) +
           QLatin1String(" by ") + Formats::dddDdMmmYy(figures.period.last());
}

QString BillStatistics::volumeProjection(const Figures& figures)
{
    if (!figures.projectedVolume)
        return QString();
    return QLatin1String("at this rate ") + Formats::dataSize(*figures.projectedVolume) +
           QLatin1String(" by ") + Formats::dddDdMmmYy(figures.period.last());
}

QString BillStatistics::allowanceText(const Figures& figures)
{
    if (!figures.allowance)
        return QString();
    return Formats::dataSize(figures.allowanceUsed) + QLatin1String(" used, ") +
           Formats::dataSize(*figures.allowance - figures.allowanceUsed) +
           QLatin1String(" left of ") + Formats::dataSize(*figures.allowance);
}

QString BillStatistics::unknownVolumeNote(const Figures& figures)
{
    if (figures.unknownVolumeCalls == 0)
        return QString();
    const int calls = figures.unknownVolumeCalls;
    return QLatin1String("excludes the volume of ") + QString::number(calls) +
           (calls == 1 ? QLatin1String(" call whose bytes are unknown")
                       : QLatin1String(" calls whose bytes are unknown"));
}
