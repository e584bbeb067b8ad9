#include "ukbankholidays.h"

#include <algorithm>

namespace
{
// The first weekday (1 Monday .. 7 Sunday) on or after day.
QDate onOrAfter(const QDate& day, int weekday)
{
    return day.addDays((weekday - day.dayOfWeek() + 7) % 7);
}

QDate lastOfMonth(int year, int month, int weekday)
{
    const QDate end(year, month, QDate(year, month, 1).daysInMonth());
    return end.addDays(-((end.dayOfWeek() - weekday + 7) % 7));
}

bool isWeekend(const QDate& day)
{
    return day.dayOfWeek() >= Qt::Saturday;
}

// The holidays the rules do not give, on record: a holiday moved for an occasion replaces the
// day the rules give it; a one-off day replaces none.
struct Change {
    QDate day;
    QDate replaces; // invalid for a one-off day
};

const Change kChanges[] = {
    {QDate(1981, 7, 29), QDate()},           // the Prince of Wales's wedding
    {QDate(1995, 5, 8), QDate(1995, 5, 1)},  // VE Day's 50th anniversary
    {QDate(1999, 12, 31), QDate()},          // the Millennium
    {QDate(2002, 6, 3), QDate()},            // the Golden Jubilee
    {QDate(2002, 6, 4), QDate(2002, 5, 27)}, // the spring holiday beside it
    {QDate(2011, 4, 29), QDate()},           // the royal wedding
    {QDate(2012, 6, 4), QDate(2012, 5, 28)}, // the spring holiday beside the jubilee
    {QDate(2012, 6, 5), QDate()},            // the Diamond Jubilee
    {QDate(2020, 5, 8), QDate(2020, 5, 4)},  // VE Day's 75th anniversary
    {QDate(2022, 6, 2), QDate(2022, 5, 30)}, // the spring holiday beside the jubilee
    {QDate(2022, 6, 3), QDate()},            // the Platinum Jubilee
    {QDate(2022, 9, 19), QDate()},           // the Queen's state funeral
    {QDate(2023, 5, 8), QDate()},            // the Coronation
};
} // namespace

QDate UkBankHolidays::easterSunday(int year)
{
    // The anonymous Gregorian computus (Meeus, Jones, Butcher).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

QList<QDate> UkBankHolidays::forYear(int year)
{
    if (year < FirstYear || year > LastYear)
        return {};
    const QDate easter = easterSunday(year);
    // A New Year's Day at the weekend moves to the Monday after.
    const QDate newYear(year, 1, 1);
    QList<QDate> days{isWeekend(newYear) ? onOrAfter(newYear, Qt::Monday) : newYear,
                      easter.addDays(-2),
                      easter.addDays(1),
                      onOrAfter(QDate(year, 5, 1), Qt::Monday),
                      lastOfMonth(year, 5, Qt::Monday),
                      lastOfMonth(year, 8, Qt::Monday)};
    // Christmas Day and Boxing Day at the weekend move to the next weekdays that are not
    // already holidays: Saturday and Sunday give Monday 27 and Tuesday 28, a Sunday Christmas
    // gives Monday 26 and Tuesday 27.
    QDate christmas(year, 12, 25);
    QDate boxingDay(year, 12, 26);
    if (isWeekend(christmas))
        christmas = onOrAfter(christmas, Qt::Monday);
    if (isWeekend(boxingDay))
        boxingDay = onOrAfter(boxingDay, Qt::Monday);
    if (boxingDay == christmas)
        boxingDay = boxingDay.addDays(1);
    days << christmas << boxingDay;
    for (const Change& change : kChanges) {
        if (change.day.year() != year)
            continue;
        days.removeOne(change.replaces);
        days << change.day;
    }
    std::sort(days.begin(), days.end());
    return days;
}
