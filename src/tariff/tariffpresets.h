#pragma once

#include <QString>
#include <QStringList>

class TariffTable;

// The built-in tariffs the editor offers in its preset list.
class TariffPresets
{
public:
    static constexpr int Count = 5;

    // The list's entries, index 0 first.
    static QStringList entries();
    // The index of an entry text, -1 for none.
    static int indexOf(const QString& text);
    // Fills the discount, the rates and the minimum, then paints the standard grid. Only the
    // colours change; the tags follow at the next save. False for an index out of range.
    static bool apply(int index, TariffTable& tariff);
};
