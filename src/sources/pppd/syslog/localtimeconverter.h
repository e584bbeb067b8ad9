#pragma once

#include <QDate>
#include <QtGlobal>
#include <limits>
#include <optional>

// Turns local clock times into moments, fast enough for every line of a large log: the offset
// from UTC is looked up once per day, and only on a day on which it changes (a daylight saving
// switch) hour by hour, and in the hour of the switch time by time.
class LocalTimeConverter
{
public:
    // Milliseconds since the epoch of the local time msecsOfDay on date.
    qint64 toUtcMsecs(const QDate& date, int msecsOfDay);

private:
    qint64 m_day = std::numeric_limits<qint64>::min(); // the Julian day of the offsets below
    std::optional<qint64> m_dayOffset;                 // when the whole day has one
    int m_hour = -1; // the hour whose offset is known; -1 for none
    qint64 m_hourOffset = 0;
};
