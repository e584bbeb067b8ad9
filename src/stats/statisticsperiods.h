#pragma once

class ConnectionTable;
class QDate;

// The statistics view's three scroll bars as numbers: the day span's start (since) and end (sto)
// in days back, 1 meaning today, and the number of weeks. Each runs from 1 to a far limit; the
// far limits follow the first connection's day, and the span's end never lies before its start.
// A value that a new limit leaves outside is pulled to that limit.
class StatisticsPeriods
{
public:
    // Calendar days from the first connection's day to today; 0 for an empty table, whose
    // statistics cover today alone.
    static int daysSinceFirst(const ConnectionTable& table, const QDate& today);

    // The far limit of the day span for a first connection d days ago: d + 1, the day of the
    // first connection. Never less than 1 (today), even for a connection dated after today.
    void limitDays(int daysSinceFirst);
    // The far limit of the weeks: the whole part of (d + 7) / 7, at least 1.
    void limitWeeks(int daysSinceFirst);

    void setSince(int daysBack);
    void setSto(int daysBack);
    void setWeeks(int weeks);

    int since() const { return m_since; }
    int sto() const { return m_sto; }
    int weeks() const { return m_weeks; }
    int sinceFarLimit() const { return m_sinceFar; }
    // The span ends on its first day at the earliest.
    int stoFarLimit() const { return m_since; }
    int weeksFarLimit() const { return m_weeksFar; }

private:
    // The window's design values, until the first load sets them.
    int m_sinceFar = 360;
    int m_weeksFar = 52;
    int m_since = 1;
    int m_sto = 1;
    int m_weeks = 1;
};
