#include "localtimeconverter.h"

#include <QDateTime>

namespace
{
constexpr int HourMsecs = 60 * 60 * 1000;
constexpr int DayMsecs = 24 * HourMsecs;
constexpr qint64 UnixEpochJulianDay = 2440588;

qint64 offsetAt(const QDate& date, int msecsOfDay)
{
    return qint64(QDateTime(date, QTime::fromMSecsSinceStartOfDay(msecsOfDay)).offsetFromUtc()) *
           1000;
}
} // namespace

qint64 LocalTimeConverter::toUtcMsecs(const QDate& date, int msecsOfDay)
{
    const qint64 day = date.toJulianDay();
    const qint64 localMsecs = (day - UnixEpochJulianDay) * DayMsecs + msecsOfDay;
    if (day != m_day) {
        m_day = day;
        m_hour = -1;
        const qint64 atStart = offsetAt(date, 0);
        m_dayOffset =
            atStart == offsetAt(date, DayMsecs - 1) ? std::optional(atStart) : std::nullopt;
    }
    if (m_dayOffset)
        return localMsecs - *m_dayOffset;
    const int hour = msecsOfDay / HourMsecs;
    if (hour != m_hour) {
        const qint64 atStart = offsetAt(date, hour * HourMsecs);
        if (atStart != offsetAt(date, (hour + 1) * HourMsecs - 1)) {
            m_hour = -1;
            return QDateTime(date, QTime::fromMSecsSinceStartOfDay(msecsOfDay)).toMSecsSinceEpoch();
        }
        m_hour = hour;
        m_hourOffset = atStart;
    }
    return localMsecs - m_hourOffset;
}
