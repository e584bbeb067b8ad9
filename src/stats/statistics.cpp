#include "statistics.h"

#include "log/connectiontable.h"
#include "platform/formats.h"
#include "report/timetotal.h"

#include <QDate>

namespace
{

// `part` names one of the parts: "day", "week".
Statistics::Totals totalsOver(const TimeTotal& total, int parts, QLatin1String part)
{
    const std::optional<quint64> volume = total.volume();
    return {total.timeText(),
            total.costText(),
            TimeTotal::secondsText(total.totalSeconds() / parts),
            Formats::currency(total.cost() / parts),
            volume ? Formats::dataSize(*volume) : QString(),
            volume ? Formats::dataSize(*volume / quint64(parts)) + QLatin1String(" per ") + part
                   : QString()};
}

} // namespace

Statistics::DaySpan Statistics::daySpan(const ConnectionTable& table, int since, int sto,
                                        const QDate& today)
{
    const int days = qMax(1, since - sto + 1);
    const QDate first = today.addDays(-(since - 1));
    const QDate last = today.addDays(-(sto - 1));
    return {Formats::dddDdMmmYy(first), Formats::dddDdMmmYy(last),
            QLatin1Char('(') + QString::number(days) + QLatin1String(" days)"),
            totalsOver(TimeTotal::dated(table, first, last), days, QLatin1String("day"))};
}

Statistics::LastWeeks Statistics::lastWeeks(const ConnectionTable& table, int weeks,
                                            const QDate& today)
{
    weeks = qMax(1, weeks);
    const QDate first = today.addDays(-(7 * qint64(weeks) - 1));
    return {QString::number(weeks),
            QLatin1String("week(s) (from ") + Formats::dddDdMmmYy(first) + QLatin1Char(')'),
            totalsOver(TimeTotal::dated(table, first), weeks, QLatin1String("week"))};
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
