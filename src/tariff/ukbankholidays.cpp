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
    std::sort(days.begin(), days.end());
    return days;
}
