#include "tarifftable.h"

#include "moneytext.h"
#include "platform/progresssink.h"
#include "platform/settingsstore.h"

#include <cstdint>

namespace
{
constexpr std::array<quint32, TariffTable::RateCount> kSwatches{255u, 16711680u, 65535u, 65280u,
                                                                16776960u};

// A stored colour is a decimal 32-bit integer, signed or not.
std::optional<quint32> readColour(const QString& text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok || value < qint64(INT32_MIN) || value > qint64(UINT32_MAX))
        return std::nullopt;
    return quint32(value);
}

std::optional<bool> readOption(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value != 0;
}

QString optionText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

const QString kHolidays = QStringLiteral("Holidays");
const QString kBillDay = QStringLiteral("Bill day");
const QString kBudget = QStringLiteral("Budget");
const QString kVolumeCap = QStringLiteral("Volume cap");
const QString kAllowance = QStringLiteral("Allowance");
const QString kAllowanceUnit = QStringLiteral("Allowance unit");
const QString kPricePerMegabyte = QStringLiteral("Price per MB");
const QString kFixedPrice = QStringLiteral("Fixed price");
constexpr int kSundayRow = 6;

QString rateKey(int index)
{
    return QStringLiteral("Rate") + QString::number(index + 1);
}
} // namespace

TariffTable::TariffTable()
{
    m_rates.fill(QStringLiteral("0"));
    m_minimum = QStringLiteral("0");
    m_discount = QStringLiteral("0");
    paintStandardGrid();
}

QString TariffTable::rate(int index) const
{
    return m_rates.at(std::size_t(index));
}

void TariffTable::setRate(int index, const QString& text)
{
    m_rates.at(std::size_t(index)) = text;
}

void TariffTable::setDiscount(const QString& text)
{
    // A leading number too long to read as a double is out of range either way.
    m_discount = text;
    const std::optional<double> value = MoneyText::toNumber(MoneyText::leadingNumber(m_discount));
    if (!value || *value > 100 || *value < 0)
        m_discount = QStringLiteral("0");
}

quint32 TariffTable::cellColour(int day, int hour) const
{
    return cell(day, hour).colour;
}

void TariffTable::setCellColour(int day, int hour, quint32 colour)
{
    cell(day, hour).colour = colour;
}

QString TariffTable::cellTag(int day, int hour) const
{
    return cell(day, hour).tag;
}

int TariffTable::rateOfCell(int day, int hour) const
{
    const quint32 colour = cellColour(day, hour);
    for (int r = 0; r < RateCount; ++r) {
        if (kSwatches[std::size_t(r)] == colour)
            return r;
    }
    return -1;
}

void TariffTable::paintStandardGrid()
{
    for (int day = 0; day < DayCount; ++day) {
        for (int hour = 0; hour < HourCount; ++hour) {
            int rate = 2;
            if (day < 5)
                rate = (hour >= 8 && hour <= 17) ? 0 : 1;
            setCellColour(day, hour, swatchColour(rate));
        }
    }
}

int TariffTable::dayRow(const QDate& day) const
{
    return isHoliday(day) ? kSundayRow : day.dayOfWeek() - 1;
}

quint32 TariffTable::swatchColour(int rate)
{
    return kSwatches.at(std::size_t(rate));
}

QString TariffTable::dayPrefix(int day)
{
    static const std::array<QString, DayCount> prefixes{
        QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"), QStringLiteral("Thus"),
        QStringLiteral("Fri"), QStringLiteral("Sat"), QStringLiteral("Sun")};
    return prefixes.at(std::size_t(day));
}

QString TariffTable::key(int day, int hour)
{
    return dayPrefix(day) + QString::number(hour);
}

void TariffTable::setboxrates()
{
    for (int hour = 0; hour < HourCount; ++hour) {
        for (int day = 0; day < DayCount; ++day) {
            for (int r = 0; r < RateCount; ++r) {
                if (cellColour(day, hour) == swatchColour(r))
                    cell(day, hour).tag = rate(r);
            }
        }
    }
}

QString TariffTable::rateName(int rate)
{
    return QStringLiteral("Rate ") + QString::number(rate + 1);
}

QStringList TariffTable::load(SettingsStore& store, ProgressSink& progress)
{
    const QString s = section();
    for (int r = 0; r < RateCount; ++r)
        setRate(r, store.read(s, rateKey(r), rate(r)));
    setMinimum(store.read(s, QStringLiteral("Min"), minimum()));
    setDiscount(store.read(s, QStringLiteral("Discount"), discount()));
    // A value that is not an integer leaves the option as it was.
    setIdentify(readOption(store.read(s, QStringLiteral("ID rates"), QStringLiteral("1")))
                    .value_or(identify()));
    setTwelveHour(readOption(store.read(s, QStringLiteral("12hour"), QStringLiteral("1")))
                      .value_or(twelveHour()));

    progress.setStatus(QStringLiteral("Loading Settings..."));
    for (int hour = 0; hour < HourCount; ++hour) {
        for (int day = 0; day < DayCount; ++day) {
            const QString stored =
                store.read(s, key(day, hour), QString::number(cellColour(day, hour)));
            // The program only writes decimal integers here; anything else keeps the colour.
            if (const std::optional<quint32> colour = readColour(stored))
                setCellColour(day, hour, *colour);
        }
        progress.setProgress((hour + 1) * 100 / HourCount);
    }
    // Read in the order they are saved in, after the grid.
    setHolidays(HolidayList::fromText(store.read(s, kHolidays, m_holidays.toText())));
    bool dayRead = false;
    const int billDay = store.read(s, kBillDay, QString()).trimmed().toInt(&dayRead);
    if (dayRead)
        m_billPlan.setBillDay(billDay);
    m_billPlan.setBudget(store.read(s, kBudget, m_billPlan.budget()));
    m_billPlan.setVolumeCap(store.read(s, kVolumeCap, m_billPlan.volumeCap()));
    m_billPlan.setAllowance(store.read(s, kAllowance, m_billPlan.allowance()));
    // A unit the program does not write keeps the one there is.
    m_billPlan.setAllowanceUnit(
        BillPlan::unitFromText(
            store.read(s, kAllowanceUnit, BillPlan::unitText(m_billPlan.allowanceUnit())))
            .value_or(m_billPlan.allowanceUnit()));
    m_billPlan.setPricePerMegabyte(store.read(s, kPricePerMegabyte, m_billPlan.pricePerMegabyte()));
    m_billPlan.setFixedPrice(store.read(s, kFixedPrice, m_billPlan.fixedPrice()));

    QStringList unreadable;
    const auto amountOr0 = [&unreadable](const QString& text, const QString& name) {
        const std::optional<QString> amount = MoneyText::amount(text);
        if (!amount)
            unreadable << name;
        return amount.value_or(QStringLiteral("0"));
    };
    for (int r = 0; r < RateCount; ++r)
        setRate(r, amountOr0(rate(r), rateName(r)));
    setMinimum(amountOr0(minimum(), minimumName()));
    normaliseDiscount();
    m_billPlan.setBudget(amountOr0(m_billPlan.budget(), BillPlan::budgetName()));
    m_billPlan.setVolumeCap(amountOr0(m_billPlan.volumeCap(), BillPlan::volumeCapName()));
    m_billPlan.setAllowance(amountOr0(m_billPlan.allowance(), BillPlan::allowanceName()));
    m_billPlan.setPricePerMegabyte(
        amountOr0(m_billPlan.pricePerMegabyte(), BillPlan::pricePerMegabyteName()));
    m_billPlan.setFixedPrice(amountOr0(m_billPlan.fixedPrice(), BillPlan::fixedPriceName()));
    setboxrates();
    applyCalendar();
    return unreadable;
}

TariffTable::SaveResult TariffTable::save(SettingsStore& store)
{
    // Everything is checked before anything changes, so a refused save stores nothing.
    std::array<QString, RateCount> rates;
    for (int r = 0; r < RateCount; ++r) {
        const std::optional<QString> normalised = MoneyText::amount(rate(r));
        if (!normalised)
            return {false, rateName(r), r};
        rates[std::size_t(r)] = *normalised;
    }
    const std::optional<QString> normalisedMinimum = MoneyText::amount(minimum());
    if (!normalisedMinimum)
        return {false, minimumName()};
    const std::optional<QString> budget = MoneyText::amount(m_billPlan.budget());
    if (!budget)
        return {false, BillPlan::budgetName()};
    const std::optional<QString> volumeCap = MoneyText::amount(m_billPlan.volumeCap());
    if (!volumeCap)
        return {false, BillPlan::volumeCapName()};
    const std::optional<QString> allowance = MoneyText::amount(m_billPlan.allowance());
    if (!allowance)
        return {false, BillPlan::allowanceName()};
    const std::optional<QString> pricePerMegabyte =
        MoneyText::amount(m_billPlan.pricePerMegabyte());
    if (!pricePerMegabyte)
        return {false, BillPlan::pricePerMegabyteName()};
    const std::optional<QString> fixedPrice = MoneyText::amount(m_billPlan.fixedPrice());
    if (!fixedPrice)
        return {false, BillPlan::fixedPriceName()};

    m_rates = rates;
    setMinimum(*normalisedMinimum);
    normaliseDiscount();
    m_billPlan.setBudget(*budget);
    m_billPlan.setVolumeCap(*volumeCap);
    m_billPlan.setAllowance(*allowance);
    m_billPlan.setPricePerMegabyte(*pricePerMegabyte);
    m_billPlan.setFixedPrice(*fixedPrice);

    const QString s = section();
    for (int r = 0; r < RateCount; ++r)
        store.write(s, rateKey(r), rate(r));
    store.write(s, QStringLiteral("Min"), minimum());
    store.write(s, QStringLiteral("Discount"), discount());
    store.write(s, QStringLiteral("ID rates"), optionText(identify()));
    store.write(s, QStringLiteral("12hour"), optionText(twelveHour()));
    for (int hour = 0; hour < HourCount; ++hour) {
        for (int day = 0; day < DayCount; ++day)
            store.write(s, key(day, hour), QString::number(cellColour(day, hour)));
    }
    store.write(s, kHolidays, m_holidays.toText());
    store.write(s, kBillDay, QString::number(m_billPlan.billDay()));
    store.write(s, kBudget, m_billPlan.budget());
    store.write(s, kVolumeCap, m_billPlan.volumeCap());
    store.write(s, kAllowance, m_billPlan.allowance());
    store.write(s, kAllowanceUnit, BillPlan::unitText(m_billPlan.allowanceUnit()));
    store.write(s, kPricePerMegabyte, m_billPlan.pricePerMegabyte());
    store.write(s, kFixedPrice, m_billPlan.fixedPrice());
    setboxrates();
    applyCalendar();
    return {true, QString(), -1};
}

TariffTable::Cell& TariffTable::cell(int day, int hour)
{
    Q_ASSERT(day >= 0 && day < DayCount && hour >= 0 && hour < HourCount);
    return m_cells.at(std::size_t(day * HourCount + hour));
}

const TariffTable::Cell& TariffTable::cell(int day, int hour) const
{
    Q_ASSERT(day >= 0 && day < DayCount && hour >= 0 && hour < HourCount);
    return m_cells.at(std::size_t(day * HourCount + hour));
}

void TariffTable::normaliseDiscount()
{
    setDiscount(MoneyText::leadingNumber(discount()));
}

void TariffTable::applyCalendar()
{
    m_appliedHolidays = m_holidays;
    m_appliedBillPlan = m_billPlan;
}
