#include "statisticsperiods.h"

#include "log/connectiontable.h"
#include "platform/dateparser.h"

#include <QtGlobal>

int StatisticsPeriods::daysSinceFirst(const ConnectionTable& table, const QDate& today)
{
    if (table.isEmpty())
        return 0;
    const std::optional<QDate> first = DateParser::parseDate(table[1].conndate);
    return first ? int(first->daysTo(today)) : 0;
}

void StatisticsPeriods::limitDays(int daysSinceFirst)
{
    m_sinceFar = qMax(1, daysSinceFirst + 1);
    setSince(m_since);
}

void StatisticsPeriods::limitWeeks(int daysSinceFirst)
{
    m_weeksFar = qMax(1, (daysSinceFirst + 7) / 7);
    setWeeks(m_weeks);
}

void StatisticsPeriods::setSince(int daysBack)
{
    m_since = qBound(1, daysBack, m_sinceFar);
    setSto(m_sto);
}

void StatisticsPeriods::setSto(int daysBack)
{
    m_sto = qBound(1, daysBack, m_since);
}

void StatisticsPeriods::setWeeks(int weeks)
{
    m_weeks = qBound(1, weeks, m_weeksFar);
}
