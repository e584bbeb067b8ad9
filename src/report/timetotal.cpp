#include "timetotal.h"

#include "log/bytecount.h"
#include "log/connectiontable.h"
#include "platform/dateparser.h"
#include "platform/formats.h"

void TimeTotal::add(const ConnectionRecord& record)
{
    ++m_count;
    m_minutes += qint64(record.durhours) * 60 + record.durmins;
    m_seconds += record.dursecs;
    m_cost += record.cost;
    if (const std::optional<quint64> volume = record.volume())
        m_volume = ByteCount::sum(m_volume.value_or(0), *volume);
    if (record.volumeCost)
        m_volumeCost += *record.volumeCost;
    else
        ++m_unknownVolumeCalls;
}

TimeTotal TimeTotal::dated(const ConnectionTable& table, const QDate& first,
                           const std::optional<QDate>& last)
{
    TimeTotal total;
    for (int n = 1; n <= table.connectioncount(); ++n) {
        const std::optional<QDate> day = DateParser::parseDate(table[n].conndate);
        if (day && *day >= first && (!last || *day <= *last))
            total.add(table[n]);
    }
    return total;
}

QString TimeTotal::timeText() const
{
    // Seconds carry by whole minutes; a negative part (never produced by costing) stays as it is.
    const qint64 carried = m_seconds >= 60 ? m_seconds / 60 : 0;
    const qint64 minutes = m_minutes + carried;
    const qint64 seconds = m_seconds - carried * 60;
    return Formats::totalTime(minutes / 60, minutes % 60, seconds);
}

QString TimeTotal::costText() const
{
    return Formats::currency(m_cost);
}

QString TimeTotal::secondsText(qint64 seconds)
{
    // Whole hours, then whole minutes, are taken off; a negative count stays as seconds.
    const qint64 hours = seconds >= 3600 ? seconds / 3600 : 0;
    const qint64 rest = seconds - hours * 3600;
    const qint64 minutes = rest >= 60 ? rest / 60 : 0;
    return Formats::totalTime(hours, minutes, rest - minutes * 60);
}
