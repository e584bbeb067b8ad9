#pragma once

#include <QDate>
#include <QList>
#include <QString>

// Days costed as Sundays, whatever their weekday: bank holidays, on which the telephone
// companies charged their weekend rates. Kept sorted, each day once.
class HolidayList
{
public:
    HolidayList() = default;

    bool contains(const QDate& day) const;
    // False when the day is not a valid date or already on the list.
    bool add(const QDate& day);
    int addAll(const QList<QDate>& days);
    bool remove(const QDate& day);
    const QList<QDate>& days() const { return m_days; }

    // yyyy-mm-dd texts separated by spaces, as the settings store keeps the list.
    QString toText() const;
    // Words that are not yyyy-mm-dd dates are passed over.
    static HolidayList fromText(const QString& text);

    bool operator==(const HolidayList&) const = default;

private:
    QList<QDate> m_days;
};
