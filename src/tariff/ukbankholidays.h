#pragma once

#include <QDate>
#include <QList>

// The bank holidays of England and Wales by the standing rules, with the substitute weekdays for
// those that fall on a weekend. One-off days (a jubilee, a royal wedding) and the years a holiday
// was moved are not in the rules: the user adds or moves those by hand.
class UkBankHolidays
{
public:
    // Years before the early May holiday began follow other rules.
    static constexpr int FirstYear = 1978;
    static constexpr int LastYear = 9999;

    // Sorted; empty for a year outside FirstYear..LastYear.
    static QList<QDate> forYear(int year);
    // Easter Sunday of the Gregorian calendar.
    static QDate easterSunday(int year);
};
