#include "dateparser.h"

#include <QLocale>
#include <QRegularExpression>

#include <array>

namespace
{

std::optional<QDate> makeDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

// The locale's short date, read field by field, so a two-digit year gets the century window
// rather than QLocale's 19xx.
std::optional<QDate> parseLocaleShortDate(const QString& text)
{
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    QString order;
    for (const QChar c : format) {
        const QChar lower = c.toLower();
        if ((lower == QLatin1Char('d') || lower == QLatin1Char('m') || lower == QLatin1Char('y')) &&
            !order.contains(lower))
            order += lower;
    }
    if (order.size() != 3)
        return std::nullopt;
    static const QRegularExpression fields(
        QStringLiteral("^\\s*(\\d{1,4})\\D(\\d{1,2})\\D(\\d{1,4})\\s*$"));
    const QRegularExpressionMatch match = fields.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int day = 0, month = 0, year = 0, yearDigits = 0;
    for (int i = 0; i < 3; ++i) {
        const QString value = match.captured(i + 1);
        switch (order.at(i).toLatin1()) {
        case 'd':
            if (value.size() > 2)
                return std::nullopt;
            day = value.toInt();
            break;
        case 'm':
            if (value.size() > 2)
                return std::nullopt;
            month = value.toInt();
            break;
        default:
            if (value.size() != 2 && value.size() != 4)
                return std::nullopt;
            year = value.toInt();
            yearDigits = int(value.size());
            break;
        }
    }
    return makeDate(DateParser::expandYear(year, yearDigits), month, day);
}

} // namespace

int DateParser::expandYear(int year, int digits)
{
    if (digits > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

int DateParser::monthFromName(const QString& name)
{
    // Many locales end their abbreviations in a dot ("avr.", "mrt."): compare without it.
    const auto bare = [](QString text) {
        text = text.trimmed();
        while (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        return text;
    };
    // The plain three letters too: some locales' data spell September "Sept".
    static constexpr std::array<const char*, 12> ThreeLetters{
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    const QString wanted = bare(name);
    if (wanted.isEmpty())
        return 0;
    for (int month = 1; month <= 12; ++month) {
        if (wanted.compare(QLatin1String(ThreeLetters[std::size_t(month - 1)]),
                           Qt::CaseInsensitive) == 0)
            return month;
        for (const QLocale& locale : {QLocale(), english}) {
            if (wanted.compare(bare(locale.monthName(month, QLocale::ShortFormat)),
                               Qt::CaseInsensitive) == 0 ||
                wanted.compare(bare(locale.standaloneMonthName(month, QLocale::ShortFormat)),
                               Qt::CaseInsensitive) == 0)
                return month;
        }
    }
    return 0;
}

namespace
{

// The value of the digits at [from, from + count), or -1.
int digits(const QString& text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

std::optional<QDate> DateParser::parseDate(const QString& text)
{
    // The form every own log and table holds, read without a regular expression.
    if (text.size() == 10 && text.at(4) == QLatin1Char('-') && text.at(7) == QLatin1Char('-')) {
        const int year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2);
        if (year >= 0 && month >= 0 && day >= 0)
            return makeDate(year, month, day);
    }
    static const QRegularExpression iso(QStringLiteral("^\\s*(\\d{4})-(\\d{2})-(\\d{2})\\s*$"));
    static const QRegularExpression dayMonthYear(
        QStringLiteral("^\\s*(\\d{2}) (\\d{2}) (\\d{4})\\s*$"));
    static const QRegularExpression namedMonth(
        QStringLiteral("^\\s*(\\d{1,2})[ -](\\S+?)\\.?[ -](\\d{2}|\\d{4})\\s*$"));

    QRegularExpressionMatch match = iso.match(text);
    if (match.hasMatch())
        return makeDate(match.captured(1).toInt(), match.captured(2).toInt(),
                        match.captured(3).toInt());
    match = dayMonthYear.match(text);
    if (match.hasMatch())
        return makeDate(match.captured(3).toInt(), match.captured(2).toInt(),
                        match.captured(1).toInt());
    match = namedMonth.match(text);
    if (match.hasMatch()) {
        // A numeric month ("15-04-2000") is no name: the locale's short date reads it below.
        const int month = monthFromName(match.captured(2));
        if (month != 0) {
            const QString year = match.captured(3);
            return makeDate(expandYear(year.toInt(), int(year.size())), month,
                            match.captured(1).toInt());
        }
    }
    return parseLocaleShortDate(text);
}

std::optional<QString> DateParser::timeText(const QString& text)
{
    const std::optional<QTime> time = parseTime(text);
    if (!time)
        return std::nullopt;
    return time->toString(QStringLiteral("hh:mm:ss"));
}

std::optional<QTime> DateParser::parseTime(const QString& text)
{
    // hh:mm:ss, the form of every log, read without a regular expression.
    if (text.size() == 8 && text.at(2) == QLatin1Char(':') && text.at(5) == QLatin1Char(':')) {
        const int hour = digits(text, 0, 2), minute = digits(text, 3, 2),
                  second = digits(text, 6, 2);
        if (hour < 0 || minute < 0 || second < 0 || !QTime::isValid(hour, minute, second))
            return std::nullopt;
        return QTime(hour, minute, second);
    }
    static const QRegularExpression clock(
        QStringLiteral("^\\s*(\\d{2}):(\\d{2})(?::(\\d{2}))?(?:\\s*([^\\d\\s:][^\\s]*))?\\s*$"));
    const QRegularExpressionMatch match = clock.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const int second = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    const QString designator = match.captured(4);
    if (!designator.isEmpty()) {
        const QLocale english(QLocale::English, QLocale::UnitedKingdom);
        const bool am = designator.compare(QLocale().amText(), Qt::CaseInsensitive) == 0 ||
                        designator.compare(english.amText(), Qt::CaseInsensitive) == 0 ||
                        designator.compare(QLatin1String("AM"), Qt::CaseInsensitive) == 0;
        const bool pm = designator.compare(QLocale().pmText(), Qt::CaseInsensitive) == 0 ||
                        designator.compare(english.pmText(), Qt::CaseInsensitive) == 0 ||
                        designator.compare(QLatin1String("PM"), Qt::CaseInsensitive) == 0;
        if ((!am && !pm) || hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QTime time(hour, minute, second);
    if (!time.isValid())
        return std::nullopt;
    return time;
}
