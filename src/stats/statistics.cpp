#include "statistics.h"

#include "log/connectiontable.h"
#include "platform/dateparser.h"
#include "platform/formats.h"
#include "report/timetotal.h"

#include <QDate>

namespace
{

// The connections dated from first on, and up to last when there is one.
TimeTotal totalFrom(const ConnectionTable& table, const QDate& first,
                    const std::optional<QDate>& last = std::nullopt)
{
    TimeTotal total;
    for (int n = 1; n <= table.connectioncount(); ++n) {
        const std::optional<QDate> day = DateParser::parseDate(table[n].conndate);
        if (day && *day >= first && (!last || *day <= *last))
            total.add(table[n]);
    }
    return total;
}

} // namespace

Statistics::DaySpan Statistics::daySpan(const ConnectionTable& table, int since, int sto,
                                        const QDate& today)
{
    const int days = qMax(1, since - sto + 1);
    const QDate first = today.addDays(-(since - 1));
    const QDate last = today.addDays(-(sto - 1));
    const TimeTotal total = totalFrom(table, first, last);
    DaySpan span;
    span.firstDay = Formats::dddDdMmmYy(first);
    span.lastDay = Formats::dddDdMmmYy(last);
    span.days = QLatin1Char('(') + QString::number(days) + QLatin1String(" days)");
    span.totalTime = total.timeText();
    span.totalCost = total.costText();
    span.dayTime = TimeTotal::secondsText(total.totalSeconds() / days);
    span.dayCost = Formats::currency(total.cost() / days);
    return span;
}

Statistics::LastWeeks Statistics::lastWeeks(const ConnectionTable& table, int weeks,
                                            const QDate& today)
{
    weeks = qMax(1, weeks);
    const QDate first = today.addDays(-(7 * qint64(weeks) - 1));
    const TimeTotal total = totalFrom(table, first);
    LastWeeks figures;
    figures.weeks = QString::number(weeks);
    figures.from = QLatin1String("week(s) (from ") + Formats::dddDdMmmYy(first) + QLatin1Char(')');
    figures.totalTime = total.timeText();
    figures.totalCost = total.costText();
    figures.weekTime = TimeTotal::secondsText(total.totalSeconds() / weeks);
    figures.weekCost = Formats::currency(total.cost() / weeks);
    return figures;
}

Statistics::PerConnection Statistics::perConnection(const ConnectionTable& table)
{
    TimeTotal total;
    for (int n = 1; n <= table.connectioncount(); ++n)
        total.add(table[n]);
    const int count = qMax(1, total.count());
    return {TimeTotal::secondsText(total.totalSeconds() / count),
            Formats::currency(total.cost() / count)};
}
