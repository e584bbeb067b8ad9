#include "tariffpresets.h"

#include "moneytext.h"
#include "tarifftable.h"

#include <array>

namespace
{
struct Preset {
    const char* text;
    // Amounts in ten-thousandths of a pound, so every locale writes them exactly.
    std::array<qint64, TariffTable::RateCount> rates;
    qint64 minimum;
    int discount;
};

constexpr std::array<Preset, TariffPresets::Count> kPresets{{
    {"UK BT Tarifs with \"Friends and Family\" and \"Best Friend\" 20% discount",
     {400, 150, 100, 0, 0},
     500,
     20},
    {"UK BT Tarifs with \"Friends and Family\" 10% discount", {400, 150, 100, 0, 0}, 500, 10},
    {"UK BT Tarifs", {400, 150, 100, 0, 0}, 500, 0},
    {"Cable & Wireless LocalCall, GlobalCall and GlobalCall Plus", {395, 111, 75, 0, 0}, 500, 0},
    {"...empty template...", {0, 0, 0, 0, 0}, 0, 0},
}};
} // namespace

QStringList TariffPresets::entries()
{
    QStringList texts;
    for (const Preset& preset : kPresets)
        texts << QString::fromUtf8(preset.text);
    return texts;
}

int TariffPresets::indexOf(const QString& text)
{
    return int(entries().indexOf(text));
}

bool TariffPresets::apply(int index, TariffTable& tariff)
{
    if (index < 0 || index >= Count)
        return false;
    const Preset& preset = kPresets[std::size_t(index)];
    tariff.setDiscount(QString::number(preset.discount));
    for (int r = 0; r < TariffTable::RateCount; ++r)
        tariff.setRate(r, MoneyText::fromTenThousandths(preset.rates[std::size_t(r)]));
    tariff.setMinimum(MoneyText::fromTenThousandths(preset.minimum));
    tariff.paintStandardGrid();
    return true;
}
