#include "billstatistics.h"

#include "log/connectiontable.h"
#include "platform/dateparser.h"
#include "platform/formats.h"
#include "report/timetotal.h"

#include <QLocale>

BillStatistics::Figures BillStatistics::figures(const ConnectionTable& table,
                                                const BillPeriod& period, const QDate& today)
{
    const TimeTotal total = TimeTotal::dated(table, period.first(), period.last());
    Figures result{period,       period.contains(today), total.count(), total.timeText(),
                   total.cost(), total.volume(),         std::nullopt,  total.totalSeconds()};
    if (result.current)
        result.projectedCost =
            total.cost() * period.days() / double(period.first().daysTo(today) + 1);
    return result;
}

BillStatistics::Figures BillStatistics::billBack(const ConnectionTable& table, int billDay,
                                                 int billsBack, const QDate& today)
{
    return figures(table, BillPeriod::containing(today, billDay).earlier(billsBack), today);
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
