#include "callcoster.h"

#include "calllength.h"
#include "log/connectiontable.h"
#include "moneytext.h"
#include "platform/dateparser.h"
#include "tarifftable.h"

#include <cmath>
#include <limits>
#include <optional>

namespace
{
const QString kPeakRate = QStringLiteral("Peak Rate");
const QString kReconnection = QStringLiteral("Reconnection");
const QString kUnknownEnd = QStringLiteral("Unknown End");
const QString kError = QStringLiteral("ERROR");
constexpr int kMonday = 0;
constexpr qint64 Day = 24 * 60 * 60;

// The two-digit field of an hh:mm:ss text at `position` (0, 3 or 6).
std::optional<int> timeField(const QString& time, int position)
{
    const QStringView field = QStringView(time).mid(position, 2);
    if (field.size() != 2 || !field[0].isDigit() || !field[1].isDigit() ||
        field[0].unicode() > '9' || field[1].unicode() > '9')
        return std::nullopt;
    return (field[0].unicode() - '0') * 10 + (field[1].unicode() - '0');
}

struct Length {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int startHour = 0;
    int startMinute = 0;
    float minutesTotal = 0; // D
};

// The length as measured, else from the clock times: with the day, in real time across a change
// of the clocks.
std::optional<Length> measure(const ConnectionRecord& record, const std::optional<QDate>& day,
                              const QTimeZone& zone)
{
    const std::optional<int> sh = timeField(record.starttime, 0);
    const std::optional<int> sm = timeField(record.starttime, 3);
    const std::optional<int> eh = timeField(record.endtime, 0);
    const std::optional<int> em = timeField(record.endtime, 3);
    if (!sh || !sm || !eh || !em || *sh > 23)
        return std::nullopt;
    int ss = 0;
    int es = 0;
    if (record.endtime.size() == 8) {
        const std::optional<int> startSeconds = timeField(record.starttime, 6);
        const std::optional<int> endSeconds = timeField(record.endtime, 6);
        if (!startSeconds || !endSeconds)
            return std::nullopt;
        ss = *startSeconds;
        es = *endSeconds;
    }
    // Within a day: an end earlier than the start (in its own hour, too) is on the next day.
    qint64 seconds = ((*eh - *sh) * 3600 + (*em - *sm) * 60 + (es - ss)) % Day;
    if (seconds < 0)
        seconds += Day;
    const QTime start(*sh, *sm, ss);
    const QTime end(*eh, *em, es);
    // Measured, the length holds what clock texts cannot: days, or a clock stepped meanwhile.
    if (record.measuredSeconds)
        seconds = *record.measuredSeconds;
    else if (day && start.isValid() && end.isValid())
        seconds = CallLength::seconds(*day, start, end, zone);
    Length length;
    length.startHour = *sh;
    length.startMinute = *sm;
    length.hours = int(seconds / 3600);
    length.minutes = int(seconds % 3600 / 60);
    length.seconds = int(seconds % 60);
    length.minutesTotal = float(length.hours * 60 + length.minutes) + float(length.seconds) / 60.0f;
    return length;
}

// Whole clock minutes from the previous call's end to this call's start, without dates.
std::optional<int> gapMinutes(const QString& previousEnd, const QString& start)
{
    const std::optional<int> ph = timeField(previousEnd, 0);
    const std::optional<int> pm = timeField(previousEnd, 3);
    const std::optional<int> sh = timeField(start, 0);
    const std::optional<int> sm = timeField(start, 3);
    if (!ph || !pm || !sh || !sm)
        return std::nullopt;
    return (*sh * 60 + *sm) - (*ph * 60 + *pm);
}

bool isUnknownEnd(const ConnectionRecord& record, const Length& length)
{
    return record.starttime == record.endtime && length.hours == 0 && length.minutes == 0;
}

// A cost is a single-precision number: an amount beyond its range (a rate of 40 digits, say)
// would become infinite, and show and add up as such.
bool fitsACost(double amount)
{
    return std::isfinite(amount) && std::abs(amount) <= double(std::numeric_limits<float>::max());
}

// Discount, then the minimum, which is not discounted.
std::optional<float> discountedWithMinimum(const TariffTable& tariff, double cost)
{
    const std::optional<double> discount = MoneyText::toNumber(tariff.discount());
    const std::optional<double> minimum = MoneyText::toNumber(tariff.minimum());
    if (!discount || !minimum || !fitsACost(cost) || !fitsACost(*minimum))
        return std::nullopt;
    float result = float((100.0 - *discount) / 100.0 * double(float(cost)));
    const float least = float(*minimum);
    if (least > result)
        result = least;
    return result;
}

struct Outcome {
    float cost = 0;
    QString otherinfo;
};

// A start 1 or 2 clock minutes after the previous call's end; none when a time is unreadable.
std::optional<bool> isReconnection(const ConnectionTable& table, int n)
{
    if (n <= 1)
        return false;
    const std::optional<int> gap = gapMinutes(table[n - 1].endtime, table[n].starttime);
    if (!gap)
        return std::nullopt;
    return *gap > 0 && *gap < 3;
}

std::optional<Outcome> costNormally(const TariffTable& tariff, const ConnectionTable& table, int n,
                                    const std::optional<QDate>& date, const Length& length)
{
    const ConnectionRecord& record = table[n];
    Outcome outcome;
    if (tariff.identify()) {
        const std::optional<bool> reconnection = isReconnection(table, n);
        if (!reconnection)
            return std::nullopt;
        if (*reconnection)
            outcome.otherinfo = kReconnection;
        if (isUnknownEnd(record, length))
            outcome.otherinfo = kUnknownEnd;
    }

    if (!date)
        return std::nullopt;
    const int day = tariff.dayRow(*date);
    const int sh = length.startHour;
    const QString startRate = tariff.cellTag(day, sh);
    if (tariff.identify() && tariff.cellColour(day, sh) == TariffTable::swatchColour(0))
        outcome.otherinfo = kPeakRate;
    const QString nextRate =
        sh == 23 ? tariff.cellTag(tariff.dayRow(date->addDays(1)), 0) : tariff.cellTag(day, sh + 1);

    const std::optional<double> startValue = MoneyText::toNumber(startRate);
    if (!startValue)
        return std::nullopt;
    const float d = length.minutesTotal;
    const float firstPart = float(60 - length.startMinute);
    double cost = 0;
    if (float(length.startMinute) + d > 60.0f && nextRate != startRate) {
        // One change of rate, at the first full hour; the rest of the call stays at that rate.
        const std::optional<double> nextValue = MoneyText::toNumber(nextRate);
        if (!nextValue)
            return std::nullopt;
        cost = *startValue * double(firstPart) + *nextValue * double(d - firstPart);
    } else {
        cost = *startValue * double(d);
    }
    const std::optional<float> finalCost = discountedWithMinimum(tariff, cost);
    if (!finalCost)
        return std::nullopt;
    outcome.cost = *finalCost;
    return outcome;
}

// Monday's rate for the start hour, no "Peak Rate" test.
std::optional<Outcome> costByFallback(const TariffTable& tariff, const ConnectionTable& table,
                                      int n, const Length& length)
{
    const ConnectionRecord& record = table[n];
    const std::optional<double> rate =
        MoneyText::toNumber(tariff.cellTag(kMonday, length.startHour));
    if (!rate)
        return std::nullopt;
    const std::optional<float> cost =
        discountedWithMinimum(tariff, *rate * double(length.minutesTotal));
    if (!cost)
        return std::nullopt;
    Outcome outcome;
    outcome.cost = *cost;
    if (tariff.identify()) {
        if (isUnknownEnd(record, length))
            outcome.otherinfo = kUnknownEnd;
        const std::optional<bool> reconnection = isReconnection(table, n);
        if (!reconnection)
            return std::nullopt;
        if (*reconnection)
            outcome.otherinfo = kReconnection;
    }
    return outcome;
}
} // namespace

bool CallCoster::findvariables(ConnectionTable& table, int n) const
{
    ConnectionRecord& record = table[n];
    // Without a length there is nothing to cost, on either path.
    const std::optional<QDate> date = DateParser::parseDate(record.conndate);
    const std::optional<Length> length = measure(record, date, m_zone);
    std::optional<Outcome> outcome;
    bool normal = false;
    if (length) {
        outcome = costNormally(m_tariff, table, n, date, *length);
        normal = outcome.has_value();
        if (!outcome)
            outcome = costByFallback(m_tariff, table, n, *length);
    }
    if (!outcome) {
        record.durhours = 0;
        record.durmins = 0;
        record.dursecs = 0;
        record.cost = 0;
        record.otherinfo = kError;
        return false;
    }
    record.durhours = qint16(length->hours);
    record.durmins = qint16(length->minutes);
    record.dursecs = qint16(length->seconds);
    record.cost = outcome->cost;
    // A connection's own name says more than a marker of how it was costed.
    record.otherinfo = record.name.isEmpty() ? outcome->otherinfo : record.name;
    return normal;
}
