#pragma once

#include <QDate>
#include <QtGlobal>

// Turns local clock times into moments, fast enough for every line of a large log: the offset
// from UTC is looked up once per hour of local time, and only an hour in which it changes (a
// daylight saving switch) is converted time by time.
class LocalTimeConverter
{
public:
    // Milliseconds since the epoch of the local time msecsOfDay on date.
    qint64 toUtcMsecs(const QDate& date, int msecsOfDay);

private:
    qint64 m_julianDay = 0;
    int m_hour = -1; // the hour whose offset is known; -1 for none
    qint64 m_offsetMsecs = 0;
};
