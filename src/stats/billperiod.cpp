#include "billperiod.h"

#include "tariff/billplan.h"

#include <QtGlobal>

BillPeriod::BillPeriod(const QDate& first) : m_first(first), m_last(first.addMonths(1).addDays(-1))
{
}

BillPeriod BillPeriod::containing(const QDate& day, int billDay)
{
    billDay = qBound(BillPlan::FirstBillDay, billDay, BillPlan::LastBillDay);
    // Every month has the bill day, so stepping by months keeps it.
    const QDate thisMonth(day.year(), day.month(), billDay);
    return BillPeriod(day.day() >= billDay ? thisMonth : thisMonth.addMonths(-1));
}

BillPeriod BillPeriod::earlier(int bills) const
{
    return BillPeriod(m_first.addMonths(-bills));
}

int BillPeriod::billsSince(const QDate& day) const
{
    const BillPeriod other = containing(day, m_first.day());
    return (m_first.year() - other.m_first.year()) * 12 + m_first.month() - other.m_first.month();
}
