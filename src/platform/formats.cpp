#include "formats.h"

#include <QLocale>

namespace
{
// Two digits, for the forms every load writes a thousand times: far cheaper than a format string.
void appendTwoDigits(QString& text, int value)
{
    text += QLatin1Char(char('0' + value / 10 % 10));
    text += QLatin1Char(char('0' + value % 10));
}

// At least `width` characters, zeros after a minus sign; as QString::arg pads with '0'.
QString padded(int value, int width)
{
    if (value >= 0 && value < 1000 && width <= 3) {
        // Every line of the views has three of these: no allocation beyond the result.
        const QChar text[3] = {QLatin1Char(char('0' + value / 100)),
                               QLatin1Char(char('0' + value / 10 % 10)),
                               QLatin1Char(char('0' + value % 10))};
        const int length = qMax(width, value >= 100 ? 3 : value >= 10 ? 2 : 1);
        return QString(text + 3 - length, length);
    }
    QString digits = QString::number(qAbs(qint64(value)));
    const qsizetype wanted = width - (value < 0 ? 1 : 0);
    if (digits.size() < wanted)
        digits.prepend(QString(wanted - digits.size(), QLatin1Char('0')));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}
// The locale's short day and month names, looked up once per locale: every line of the views
// and every record of a load names a day or a month.
struct ShortNames {
    QLocale locale;
    QStringList days;   // Monday first
    QStringList months; // January first
};

const ShortNames& shortNames()
{
    thread_local ShortNames names{QLocale(QLocale::C), {}, {}};
    const QLocale current;
    if (names.days.isEmpty() || !(names.locale == current)) {
        names.locale = current;
        names.days.clear();
        names.months.clear();
        for (int day = 1; day <= 7; ++day)
            names.days << current.dayName(day, QLocale::ShortFormat);
        for (int month = 1; month <= 12; ++month)
            names.months << current.monthName(month, QLocale::ShortFormat);
    }
    return names;
}

QString shortDayName(const QDate& date)
{
    return shortNames().days.value(date.dayOfWeek() - 1);
}
} // namespace

QString Formats::ddMmmYy(const QDate& date)
{
    QString text;
    appendTwoDigits(text, date.day());
    text += QLatin1Char(' ') + mmm(date.month()) + QLatin1Char(' ');
    appendTwoDigits(text, date.year() % 100);
    return text;
}

QString Formats::dddDdMmmYy(const QDate& date)
{
    QString text = shortDayName(date) + QLatin1Char(' ');
    appendTwoDigits(text, date.day());
    text += QLatin1Char(' ') + mmm(date.month()) + QLatin1Char(' ');
    appendTwoDigits(text, date.year() % 100);
    return text;
}

QString Formats::dddDdMmmYyyy(const QDate& date)
{
    QString text = shortDayName(date) + QLatin1Char(' ');
    appendTwoDigits(text, date.day());
    return text + QLatin1Char(' ') + mmm(date.month()) + QLatin1Char(' ') +
           QString::number(date.year());
}

QString Formats::dddDMmm(const QDate& date)
{
    return shortDayName(date) + QLatin1Char(' ') + QString::number(date.day()) + QLatin1Char(' ') +
           mmm(date.month());
}

QString Formats::mmm(int month)
{
    return shortNames().months.value(month - 1);
}

QString Formats::hhMmAmPm(const QTime& time)
{
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QLocale locale;
    return zeroHash(hour12) + QLatin1Char(':') + zeroHash(time.minute()) + QLatin1Char(' ') +
           (time.hour() < 12 ? locale.amText() : locale.pmText());
}

QString Formats::hhMm(const QTime& time)
{
    return zeroHash(time.hour()) + QLatin1Char(':') + zeroHash(time.minute());
}

QString Formats::clockTime(const QTime& time, bool twelveHour)
{
    return twelveHour ? hhMmAmPm(time) : hhMm(time);
}

QString Formats::zeroZeroHash(int value)
{
    return padded(value, 3);
}

QString Formats::zeroHash(int value)
{
    return padded(value, 2);
}

QString Formats::hashHashHash(int value)
{
    return value == 0 ? QString() : QString::number(value);
}

QString Formats::currency(double amount)
{
    const QLocale locale;
    // The locale's own number of decimals (two for the pound, none for the yen).
    return locale.toCurrencyString(amount, locale.currencySymbol(), -1);
}

QString Formats::shortDate(const QDate& date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString Formats::isoDate(const QDate& date)
{
    if (!date.isValid() || date.year() < 1000 || date.year() > 9999)
        return date.toString(Qt::ISODate);
    QString text;
    text.reserve(10);
    appendTwoDigits(text, date.year() / 100);
    appendTwoDigits(text, date.year() % 100);
    text += QLatin1Char('-');
    appendTwoDigits(text, date.month());
    text += QLatin1Char('-');
    appendTwoDigits(text, date.day());
    return text;
}

QString Formats::generalDate(const QDateTime& dateTime)
{
    // The locale's long time without its time zone name, as the general date shows it.
    QString timeFormat = QLocale().timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    return shortDate(dateTime.date()) + QLatin1Char(' ') +
           QLocale().toString(dateTime.time(), timeFormat.trimmed());
}

QString Formats::totalTime(qint64 hours, qint64 minutes, qint64 seconds)
{
    return QString::number(hours) + QLatin1String(" hrs ") + QString::number(minutes) +
           QLatin1String(" mins ") + QString::number(seconds) + QLatin1String(" secs");
}

QString Formats::dataSize(quint64 bytes)
{
    return QLocale().formattedDataSize(qint64(qMin<quint64>(bytes, quint64(INT64_MAX))), 1,
                                       QLocale::DataSizeSIFormat);
}
