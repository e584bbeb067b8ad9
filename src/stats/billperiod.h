#pragma once

#include <QDate>

// One telephone bill: the days from a bill day to the day before the next month's bill day.
class BillPeriod
{
public:
    // The bill that holds day, for bills that start on billDay (held to 1..28).
    static BillPeriod containing(const QDate& day, int billDay);

    // The bill that many bills before this one.
    BillPeriod earlier(int bills) const;
    // How many bills lie between the one holding day and this one: 0 for this bill, 1 for the
    // one before, negative for later bills.
    int billsSince(const QDate& day) const;

    QDate first() const { return m_first; }
    QDate last() const { return m_last; }
    int days() const { return int(m_first.daysTo(m_last)) + 1; }
    bool contains(const QDate& day) const { return day >= m_first && day <= m_last; }

    bool operator==(const BillPeriod&) const = default;

private:
    BillPeriod(const QDate& first);

    QDate m_first;
    QDate m_last;
};
