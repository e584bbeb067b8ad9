#include "syslogstamp.h"

#include <QDate>

namespace
{

constexpr qsizetype ClassicLength = 15; // "Jan  3 21:16:29"
constexpr qsizetype IsoLength = 19;     // "2026-12-08T14:20:08"
constexpr qint64 DayMsecs = 24 * 60 * 60 * 1000;
constexpr qint64 UnixEpochJulianDay = 2440588;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number in count digits at position at, or -1.
int digits(QByteArrayView text, qsizetype at, qsizetype count)
{
    if (at + count > text.size())
        return -1;
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        if (!isDigit(text[i]))
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// syslog writes English month names whatever the locale.
int monthOf(QByteArrayView name)
{
    static constexpr const char Names[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    for (int month = 0; month < 12; ++month) {
        if (name == QByteArrayView(Names + 3 * month, 3))
            return month + 1;
    }
    return 0;
}

// hh:mm:ss at position at, then an optional fraction of any length; returns the milliseconds of
// the day and moves at behind the time, or -1.
int timeOfDay(QByteArrayView text, qsizetype& at)
{
    const int hour = digits(text, at, 2);
    const int minute = digits(text, at + 3, 2);
    const int second = digits(text, at + 6, 2);
    if (hour < 0 || minute < 0 || second < 0 || text[at + 2] != ':' || text[at + 5] != ':' ||
        hour > 23 || minute > 59 || second > 60)
        return -1;
    at += 8;
    int msecs = ((hour * 60 + minute) * 60 + qMin(second, 59)) * 1000;
    if (at < text.size() && text[at] == '.') {
        ++at;
        const qsizetype first = at;
        int scale = 100;
        while (at < text.size() && isDigit(text[at])) {
            msecs += (text[at] - '0') * scale;
            scale /= 10;
            ++at;
        }
        if (at == first)
            return -1;
    }
    return msecs;
}

std::optional<SyslogStamp> classicStamp(QByteArrayView line)
{
    if (line.size() < ClassicLength || line[3] != ' ' || line[6] != ' ')
        return std::nullopt;
    SyslogStamp stamp;
    stamp.classic = true;
    stamp.month = monthOf(line.first(3));
    // syslog pads the day with a blank, journalctl with a zero.
    const char tens = line[4] == ' ' ? '0' : line[4];
    if (stamp.month == 0 || !isDigit(tens) || !isDigit(line[5]))
        return std::nullopt;
    stamp.day = (tens - '0') * 10 + (line[5] - '0');
    if (stamp.day < 1 || stamp.day > 31)
        return std::nullopt;
    qsizetype at = 7;
    stamp.msecsOfDay = timeOfDay(line, at);
    if (stamp.msecsOfDay < 0)
        return std::nullopt;
    stamp.length = at;
    return stamp;
}

std::optional<SyslogStamp> isoStamp(QByteArrayView line)
{
    if (line.size() < IsoLength || line[4] != '-' || line[7] != '-' || line[10] != 'T')
        return std::nullopt;
    const int year = digits(line, 0, 4);
    const int month = digits(line, 5, 2);
    const int day = digits(line, 8, 2);
    const QDate date = year > 0 && month > 0 && day > 0 ? QDate(year, month, day) : QDate();
    if (!date.isValid())
        return std::nullopt;
    qsizetype at = 11;
    const int msecs = timeOfDay(line, at);
    if (msecs < 0 || at >= line.size())
        return std::nullopt;
    int offsetMinutes = 0;
    if (line[at] == 'Z') {
        ++at;
    } else if (line[at] == '+' || line[at] == '-') {
        // "+00:00" (RFC 3339) or "+0000" (journalctl's short-iso)
        const int sign = line[at] == '-' ? -1 : 1;
        const int hours = digits(line, at + 1, 2);
        const qsizetype minutesAt = at + 3 < line.size() && line[at + 3] == ':' ? at + 4 : at + 3;
        const int minutes = digits(line, minutesAt, 2);
        if (hours < 0 || minutes < 0 || hours > 23 || minutes > 59)
            return std::nullopt;
        offsetMinutes = sign * (hours * 60 + minutes);
        at = minutesAt + 2;
    } else {
        return std::nullopt;
    }
    SyslogStamp stamp;
    stamp.utcMsecs = (date.toJulianDay() - UnixEpochJulianDay) * DayMsecs + msecs -
                     qint64(offsetMinutes) * 60 * 1000;
    stamp.length = at;
    return stamp;
}

} // namespace

std::optional<SyslogStamp> SyslogStamp::parse(QByteArrayView line)
{
    if (line.isEmpty())
        return std::nullopt;
    return isDigit(line[0]) ? isoStamp(line) : classicStamp(line);
}
