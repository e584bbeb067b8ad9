#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// Amounts of the tariff table are texts. Their rounding works on the decimal digits of the text,
// so "0.00005" rounds the way the user reads it and not the way a binary double happens to hold it.
// The locale's decimal separator is read and written; '.' and ',' are read in any locale, so a
// change of locale does not turn stored amounts into non-numbers.
class MoneyText
{
public:
    // Rounded to four decimal places (half to even) and written in its shortest form:
    // "0.0400" -> "0.04", "4.12345" -> "4.1234". Empty when the text is not a number.
    static std::optional<QString> normalise(const QString& text);
    // An amount a call can be costed with, normalised: a number of 0 or more, small enough that
    // a whole day's call at it is still a cost. Empty otherwise.
    static std::optional<QString> amount(const QString& text);
    // The whole text read as a number, for arithmetic. Empty when it is not a number.
    static std::optional<double> toNumber(const QString& text);
    // The number the text begins with, written back as text: "10%" -> "10", "abc" -> "0".
    static QString leadingNumber(const QString& text);
    // An amount given in ten-thousandths of the unit, written as normalise() writes it.
    static QString fromTenThousandths(qint64 units);
};
