#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

// The one reader of every date and time text the program writes or has written.
class DateParser
{
public:
    // Reads, in this order: ISO yyyy-mm-dd; "DD MM YYYY"; "dd mmm yy" and "dd mmm yyyy" with the
    // locale's or English month abbreviations; the locale's short date with a two- or four-digit
    // year. Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
    static std::optional<QDate> parseDate(const QString& text);
    // hh:mm:ss or hh:mm on the 24-hour clock, or either followed by the locale's (or English)
    // AM/PM designator.
    static std::optional<QTime> parseTime(const QString& text);
    static bool isValidTime(const QString& text) { return parseTime(text).has_value(); }
    // Any time parseTime reads, written as hh:mm:ss: the one form the table, the own log and
    // costing work with.
    static std::optional<QString> timeText(const QString& text);
    // 00-29 -> 2000-2029, 30-99 -> 1930-1999; other years stay as they are.
    static int expandYear(int year, int digits);
    // 1-12 for a month abbreviation of the locale or of English, 0 for none.
    static int monthFromName(const QString& name);
};
