#include "moneytext.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <limits>

namespace
{
constexpr int kPlaces = 4;

struct Decimal {
    bool negative = false;
    QString whole; // digits before the separator, may be empty
    QString fraction;
};

// A point or a comma, whichever locale wrote the amount, or the locale's own decimal separator;
// the locale is asked only for another character, since costing reads amounts for every
// connection.
bool isDecimalPoint(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char(',') ||
           (!c.isDigit() && !c.isSpace() && c == QLocale().decimalPoint().front());
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads a sign, digits and one separator from the front of the text. `length` receives how many
// characters (leading spaces included) belong to the number.
std::optional<Decimal> readDecimal(QStringView text, qsizetype* length)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    Decimal number;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        number.negative = text[i] == QLatin1Char('-');
        ++i;
    }
    while (i < text.size() && isAsciiDigit(text[i]))
        number.whole.append(text[i++]);
    if (i < text.size() && isDecimalPoint(text[i])) {
        ++i;
        while (i < text.size() && isAsciiDigit(text[i]))
            number.fraction.append(text[i++]);
    }
    if (number.whole.isEmpty() && number.fraction.isEmpty())
        return std::nullopt;
    *length = i;
    return number;
}

std::optional<Decimal> readWholeText(const QString& text)
{
    qsizetype length = 0;
    const std::optional<Decimal> number = readDecimal(text, &length);
    if (!number || !QStringView(text).mid(length).trimmed().isEmpty())
        return std::nullopt;
    return number;
}

// Shortest form: no leading zeros in the whole part, no trailing zeros in the fraction, no sign
// on zero.
QString format(Decimal number)
{
    while (number.fraction.endsWith(QLatin1Char('0')))
        number.fraction.chop(1);
    qsizetype firstNonZero = 0;
    while (firstNonZero < number.whole.size() && number.whole[firstNonZero] == QLatin1Char('0'))
        ++firstNonZero;
    number.whole.remove(0, firstNonZero);
    if (number.whole.isEmpty())
        number.whole = QStringLiteral("0");
    const bool zero = number.whole == QLatin1String("0") && number.fraction.isEmpty();
    QString text = (number.negative && !zero) ? QStringLiteral("-") : QString();
    text += number.whole;
    if (!number.fraction.isEmpty())
        text += QLocale().decimalPoint() + number.fraction;
    return text;
}

// Adds one to the last digit, carrying leftwards; false when the carry runs off the front.
bool incrementDigits(QString& digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] == QLatin1Char('9')) {
            digits[i] = QLatin1Char('0');
        } else {
            digits[i] = QChar(digits[i].unicode() + 1);
            return true;
        }
    }
    return false;
}

Decimal roundHalfToEven(Decimal number)
{
    if (number.fraction.size() <= kPlaces)
        return number;
    const QString kept = number.fraction.left(kPlaces);
    const QChar first = number.fraction[kPlaces];
    const QStringView rest = QStringView(number.fraction).mid(kPlaces + 1);
    const bool restIsZero =
        std::all_of(rest.begin(), rest.end(), [](QChar c) { return c == QLatin1Char('0'); });
    const QString digits = number.whole + kept;
    const bool lastIsOdd = !digits.isEmpty() && (digits.back().unicode() - '0') % 2 == 1;
    bool up = first > QLatin1Char('5') || (first == QLatin1Char('5') && (!restIsZero || lastIsOdd));
    number.fraction = kept;
    if (up) {
        QString all = number.whole + number.fraction;
        if (!incrementDigits(all))
            all.prepend(QLatin1Char('1'));
        number.whole = all.left(all.size() - kPlaces);
        number.fraction = all.right(kPlaces);
    }
    return number;
}
} // namespace

std::optional<QString> MoneyText::normalise(const QString& text)
{
    const std::optional<Decimal> number = readWholeText(text);
    if (!number)
        return std::nullopt;
    return format(roundHalfToEven(*number));
}

std::optional<QString> MoneyText::amount(const QString& text)
{
    const std::optional<QString> normalised = normalise(text);
    const std::optional<double> value = normalised ? toNumber(*normalised) : std::nullopt;
    // The longest call lasts a day: its cost must still be a single-precision number.
    constexpr double Largest = double(std::numeric_limits<float>::max()) / (24 * 60);
    if (!value || *value < 0 || *value > Largest)
        return std::nullopt;
    return normalised;
}

std::optional<double> MoneyText::toNumber(const QString& text)
{
    const std::optional<Decimal> number = readWholeText(text);
    if (!number)
        return std::nullopt;
    QByteArray plain = number->negative ? QByteArray("-") : QByteArray();
    plain += number->whole.isEmpty() ? QByteArray("0") : number->whole.toLatin1();
    if (!number->fraction.isEmpty())
        plain += '.' + number->fraction.toLatin1();
    // Whatever the locale: the digits were read above.
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(plain.constData(), plain.constData() + plain.size(), value);
    if (error != std::errc() || end != plain.constData() + plain.size())
        return std::nullopt;
    return value;
}

QString MoneyText::leadingNumber(const QString& text)
{
    qsizetype length = 0;
    const std::optional<Decimal> number = readDecimal(text, &length);
    return number ? format(*number) : QStringLiteral("0");
}

QString MoneyText::fromTenThousandths(qint64 units)
{
    Decimal number;
    number.negative = units < 0;
    const QString digits =
        QString::number(units < 0 ? -units : units).rightJustified(kPlaces + 1, QLatin1Char('0'));
    number.whole = digits.left(digits.size() - kPlaces);
    number.fraction = digits.right(kPlaces);
    return format(number);
}
