#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

class SettingsStore;

// The four colours of the main window's views, as the settings store keeps them: red in the
// low byte, green next, blue in the third. The colour window presents one of these; the main
// window applies the one last applied.
class ColourScheme
{
public:
    enum Role {
        SecondaryBackground = 0,
        SecondaryText = 1,
        MainBackground = 2,
        MainText = 3,
    };
    static constexpr int Count = 4;

    // Every colour at its default.
    ColourScheme();

    quint32 colour(int number) const { return m_colours[std::size_t(number)]; }
    void setColour(int number, quint32 colour) { m_colours[std::size_t(number)] = colour; }
    // White, black, dark cyan, light yellow.
    static quint32 defaultColour(int number);

    // Each colour from its key; an absent key, or a value that is not a whole number from 0 to
    // 0xFFFFFF, gives that colour's default and leaves the others as read.
    void load(const SettingsStore& store);
    // Writes the colours, as decimal texts, under keys "0" to "3" in that order.
    void save(SettingsStore& store) const;

    // The colour as 0xRRGGBB, the order the toolkit's colour values use.
    static quint32 toRgb(quint32 colour);
    static QString section() { return QStringLiteral("Colours"); }

    bool operator==(const ColourScheme&) const = default;

private:
    std::array<quint32, Count> m_colours;
};
