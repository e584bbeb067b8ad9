#include "localtimeconverter.h"

#include <QDateTime>

namespace
{
constexpr int HourMsecs = 60 * 60 * 1000;
constexpr qint64 DayMsecs = 24 * qint64(HourMsecs);
constexpr qint64 UnixEpochJulianDay = 2440588;

qint64 offsetAt(const QDate& date, int msecsOfDay)
{
    return qint64(QDateTime(date, QTime::fromMSecsSinceStartOfDay(msecsOfDay)).offsetFromUtc()) *
           1000;
}
} // namespace

qint64 LocalTimeConverter::toUtcMsecs(const QDate& date, int msecsOfDay)
{
    const qint64 localMsecs = (date.toJulianDay() - UnixEpochJulianDay) * DayMsecs + msecsOfDay;
    const int hour = msecsOfDay / HourMsecs;
    if (hour != m_hour || date.toJulianDay() != m_julianDay) {
        const qint64 atStart = offsetAt(date, hour * HourMsecs);
        if (atStart != offsetAt(date, (hour + 1) * HourMsecs - 1)) {
            m_hour = -1;
            return QDateTime(date, QTime::fromMSecsSinceStartOfDay(msecsOfDay)).toMSecsSinceEpoch();
        }
        m_julianDay = date.toJulianDay();
        m_hour = hour;
        m_offsetMsecs = atStart;
    }
    return localMsecs - m_offsetMsecs;
}
