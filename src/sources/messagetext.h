#pragma once

#include <QLatin1String>
#include <QStringView>
#include <limits>
#include <optional>

// Reading a program's log message from the front: each call takes what it reads off the text.
namespace MessageText
{
// True, and the text after it, when text begins with expected.
inline bool skip(QStringView& text, QLatin1String expected)
{
    if (!text.startsWith(expected))
        return false;
    text = text.sliced(expected.size());
    return true;
}

// The decimal number at the front of text, and what follows it; none for no digits or a number
// beyond 64 bits.
inline std::optional<quint64> number(QStringView& text)
{
    quint64 value = 0;
    qsizetype digits = 0;
    while (digits < text.size() && text.at(digits) >= u'0' && text.at(digits) <= u'9') {
        const quint64 digit = quint64(text.at(digits).unicode() - u'0');
        if (value > (std::numeric_limits<quint64>::max() - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    text = text.sliced(digits);
    return value;
}
} // namespace MessageText
