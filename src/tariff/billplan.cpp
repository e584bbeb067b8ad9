#include "billplan.h"

#include "moneytext.h"

#include <cmath>

namespace
{
// A positive amount of megabytes in bytes; none when zero, negative, not a number, or beyond an
// exabyte, where a figure means nothing and the bytes would not fit.
std::optional<quint64> megabytesToBytes(const QString& text, double megabytesPerUnit)
{
    const std::optional<double> units = MoneyText::toNumber(text);
    if (!units || !std::isfinite(*units) || *units <= 0 || *units * megabytesPerUnit > 1e12)
        return std::nullopt;
    const auto bytes =
        quint64(std::llround(*units * megabytesPerUnit * double(BillPlan::BytesPerMegabyte)));
    if (bytes == 0)
        return std::nullopt;
    return bytes;
}

double positiveAmount(const QString& text)
{
    const std::optional<double> amount = MoneyText::toNumber(text);
    return amount && std::isfinite(*amount) && *amount > 0 ? *amount : 0;
}
} // namespace

QString BillPlan::unitText(Unit unit)
{
    return unit == Unit::Gigabytes ? QStringLiteral("GB") : QStringLiteral("MB");
}

std::optional<BillPlan::Unit> BillPlan::unitFromText(const QString& text)
{
    for (const Unit unit : {Unit::Megabytes, Unit::Gigabytes}) {
        if (text.trimmed().compare(unitText(unit), Qt::CaseInsensitive) == 0)
            return unit;
    }
    return std::nullopt;
}

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
    return megabytesToBytes(m_volumeCap, 1);
}

std::optional<quint64> BillPlan::allowanceBytes() const
{
    return megabytesToBytes(m_allowance, m_allowanceUnit == Unit::Gigabytes ? 1000 : 1);
}

double BillPlan::pricePerMegabyteAmount() const
{
    return positiveAmount(m_pricePerMegabyte);
}

double BillPlan::fixedPriceAmount() const
{
    return positiveAmount(m_fixedPrice);
}

double BillPlan::volumePrice(quint64 bytes) const
{
    return pricePerMegabyteAmount() * double(bytes) / double(BytesPerMegabyte);
}
