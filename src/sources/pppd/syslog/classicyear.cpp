#include "classicyear.h"

namespace
{

constexpr qint64 DayMsecs = 24 * 60 * 60 * 1000;

// The place of a stamp in a leap year, so that February the 29th has one too.
qint64 keyOf(int month, int day, int msecsOfDay)
{
    static constexpr int DaysBefore[12] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
    return (DaysBefore[month - 1] + day - 1) * DayMsecs + msecsOfDay;
}

} // namespace

int ClassicYear::place(int month, int day, int msecsOfDay)
{
    const qint64 key = keyOf(month, day, msecsOfDay);
    if (m_state.lastKey >= 0 && key < m_state.lastKey - DayMsecs)
        ++m_state.year;
    m_state.lastKey = key;
    return m_state.year;
}

int ClassicYear::anchor(const QDateTime& modified)
{
    if (m_state.anchored || m_state.lastKey < 0 || !modified.isValid())
        return 0;
    const QDateTime local = modified.toLocalTime();
    const QDate day = local.date();
    const qint64 modifiedKey = keyOf(day.month(), day.day(), local.time().msecsSinceStartOfDay());
    // A stamp a little after the modification time is a clock that ran ahead, not last year.
    const int year = m_state.lastKey > modifiedKey + DayMsecs ? day.year() - 1 : day.year();
    const int shift = year - m_state.year;
    m_state.year = year;
    m_state.anchored = true;
    return shift;
}
