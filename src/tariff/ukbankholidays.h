#pragma once

#include <QDate>
#include <QList>

// The bank holidays of England and Wales by the standing rules, with the substitute weekdays for
// those that fall on a weekend, and the days on record that the rules do not give: a holiday
// moved for an occasion, a one-off day (a jubilee, a royal wedding). Those are known up to
// RecordedUntil; for later years the user adds them by hand.
class UkBankHolidays
{
public:
    // Years before the early May holiday began follow other rules.
    static constexpr int FirstYear = 1978;
    static constexpr int LastYear = 9999;
    // The last year whose moved and one-off holidays are on record here.
    static constexpr int RecordedUntil = 2026;

    // Sorted; empty for a year outside FirstYear..LastYear.
    static QList<QDate> forYear(int year);
    // Easter Sunday of the Gregorian calendar.
    static QDate easterSunday(int year);
};
