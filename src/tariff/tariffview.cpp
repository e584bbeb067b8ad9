#include "tariffview.h"

#include "log/connectiontable.h"
#include "moneytext.h"
#include "platform/dateparser.h"
#include "report/connectionline.h"
#include "tarifftable.h"

#include <QLocale>
#include <cmath>
#include <optional>

namespace
{
constexpr int kSignificantDigits = 15;

// The discounted rate of connection n, or why there is none.
struct Outcome {
    std::optional<double> rate;
    QString reason;
    // The day is a holiday, costed by Sunday's row rather than its weekday's.
    bool holiday = false;
};

Outcome startRate(const ConnectionTable& table, const TariffTable& tariff, int n)
{
    if (n > table.connectioncount())
        return {std::nullopt, QStringLiteral("it is not in the log.")};
    const std::optional<QDate> date = DateParser::parseDate(table[n].conndate);
    const std::optional<QTime> start = DateParser::parseTime(table[n].starttime);
    if (!date || !start)
        return {std::nullopt, QStringLiteral("its date or start time cannot be read.")};
    const std::optional<double> discount = MoneyText::toNumber(tariff.discount());
    if (!discount)
        return {std::nullopt, QStringLiteral("the discount is not a number.")};
    // The tag is the rate the last Apply gave the cell; a cell of no rate's colour has none.
    const std::optional<double> tag =
        MoneyText::toNumber(tariff.cellTag(tariff.dayRow(*date), start->hour()));
    if (!tag)
        return {std::nullopt, QStringLiteral("the hour it started in has no rate in the grid of "
                                             "\"Set Phone Tarifs and Times\".")};
    const double rate = *tag * (100.0 - *discount) / 100.0;
    if (!std::isfinite(rate))
        return {std::nullopt, QStringLiteral("the rate is too large.")};
    return {rate, QString(), tariff.isHoliday(*date) && date->dayOfWeek() != Qt::Sunday};
}
} // namespace

QList<TariffView::Message> TariffView::messages(const QStringList& lines,
                                                const ConnectionTable& table,
                                                const TariffTable& tariff)
{
    QList<Message> result;
    for (const QString& line : lines) {
        const int n = ConnectionLine::number(line);
        if (n == 0)
            continue;
        const QString numberText = ConnectionLine::numberText(line);
        const Outcome outcome = startRate(table, tariff, n);
        if (outcome.rate)
            result.append({QStringLiteral("Tarif for connection number ") + numberText +
                               QStringLiteral(" (including % discount) = ") +
                               rateText(*outcome.rate) + QStringLiteral(" per min") +
                               (outcome.holiday ? QStringLiteral(" (a holiday, at Sunday's rate)")
                                                : QString()),
                           true});
        else
            result.append({QStringLiteral("The tarif for connection number ") + numberText +
                               QStringLiteral(" cannot be shown: ") + outcome.reason,
                           false});
    }
    return result;
}

QString TariffView::rateText(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    // The exponent form fixes the significant digits; they are then placed around the point.
    const QString scientific = QString::number(std::fabs(value), 'e', kSignificantDigits - 1);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    QString digits = scientific.left(e).remove(QLatin1Char('.'));
    const int exponent = scientific.mid(e + 1).toInt();
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    const int point = exponent + 1; // digits before the decimal point
    QString text;
    if (point <= 0)
        text = QStringLiteral("0") + QLocale().decimalPoint() + QString(-point, QLatin1Char('0')) +
               digits;
    else if (point >= digits.size())
        text = digits + QString(point - digits.size(), QLatin1Char('0'));
    else
        text = digits.left(point) + QLocale().decimalPoint() + digits.mid(point);
    return value < 0 ? QStringLiteral("-") + text : text;
}
