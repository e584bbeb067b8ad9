#include "colourscheme.h"

#include "platform/settingsstore.h"

namespace
{
constexpr std::array<quint32, ColourScheme::Count> kDefaults{16777215, 0, 8421376, 8454143};
constexpr qint64 kLargest = 0xFFFFFF;
} // namespace

ColourScheme::ColourScheme() : m_colours(kDefaults) {}

quint32 ColourScheme::defaultColour(int number)
{
    return kDefaults[std::size_t(number)];
}

void ColourScheme::load(const SettingsStore& store)
{
    for (int number = 0; number < Count; ++number) {
        const QString text =
            store.read(section(), QString::number(number), QString::number(defaultColour(number)));
        bool isNumber = false;
        const qint64 value = text.trimmed().toLongLong(&isNumber);
        // A damaged value must not take the other colours with it, nor paint with a colour
        // outside the 24 bits the views can show.
        setColour(number, isNumber && value >= 0 && value <= kLargest ? quint32(value)
                                                                      : defaultColour(number));
    }
}

void ColourScheme::save(SettingsStore& store) const
{
    for (int number = 0; number < Count; ++number)
        store.write(section(), QString::number(number), QString::number(colour(number)));
}

quint32 ColourScheme::toRgb(quint32 colour)
{
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}
