#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// One function per display pattern, in the user's locale; every caller uses these.
class Formats
{
public:
    // "dd mmm yy": 03 Apr 00
    static QString ddMmmYy(const QDate& date);
    // "ddd dd mmm yy": Mon 03 Apr 00
    static QString dddDdMmmYy(const QDate& date);
    // "ddd dd mmm yyyy": Mon 03 Apr 2000
    static QString dddDdMmmYyyy(const QDate& date);
    // "ddd d mmm": Mon 3 Apr
    static QString dddDMmm(const QDate& date);
    // "mmm": the locale's abbreviated month name
    static QString mmm(int month);
    // "hh:mm AMPM": 09:05 PM, with the locale's designators
    static QString hhMmAmPm(const QTime& time);
    // "hh:mm": 21:05
    static QString hhMm(const QTime& time);
    // The start time in the clock the 12-hour option chooses.
    static QString clockTime(const QTime& time, bool twelveHour);
    // "00#": at least three digits
    static QString zeroZeroHash(int value);
    // "0#": at least two digits
    static QString zeroHash(int value);
    // "###": plain digits, empty for zero
    static QString hashHashHash(int value);
    // "Currency": the locale's currency format
    static QString currency(double amount);
    // The locale's short date (the form older own log files hold).
    static QString shortDate(const QDate& date);
    // yyyy-mm-dd, the own log's date field.
    static QString isoDate(const QDate& date);
    // The general date: short date, a space, long time.
    static QString generalDate(const QDateTime& dateTime);
    // H hrs M mins S secs, plain integers.
    static QString totalTime(qint64 hours, qint64 minutes, qint64 seconds);
    // Bytes in the locale's units of 1000: "850 kB", "12.4 MB".
    static QString dataSize(quint64 bytes);
};
