#include "billplan.h"

#include "moneytext.h"

#include <cmath>

void BillPlan::setBillDay(int day)
{
    m_billDay = qBound(FirstBillDay, day, LastBillDay);
}

std::optional<double> BillPlan::budgetAmount() const
{
    const std::optional<double> amount = MoneyText::toNumber(m_budget);
    if (!amount || !std::isfinite(*amount) || *amount <= 0)
        return std::nullopt;
    return amount;
}

std::optional<quint64> BillPlan::volumeCapBytes() const
{
    const std::optional<double> megabytes = MoneyText::toNumber(m_volumeCap);
    // Beyond an exabyte the cap means nothing, and the bytes would not fit.
    if (!megabytes || !std::isfinite(*megabytes) || *megabytes <= 0 || *megabytes > 1e12)
        return std::nullopt;
    const auto bytes = quint64(std::llround(*megabytes * double(BytesPerMegabyte)));
    if (bytes == 0)
        return std::nullopt;
    return bytes;
}
