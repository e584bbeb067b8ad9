#include "holidaylist.h"

#include "platform/formats.h"

#include <algorithm>

bool HolidayList::contains(const QDate& day) const
{
    return std::binary_search(m_days.cbegin(), m_days.cend(), day);
}

bool HolidayList::add(const QDate& day)
{
    if (!day.isValid())
        return false;
    const auto place = std::lower_bound(m_days.begin(), m_days.end(), day);
    if (place != m_days.end() && *place == day)
        return false;
    m_days.insert(place, day);
    return true;
}

int HolidayList::addAll(const QList<QDate>& days)
{
    int added = 0;
    for (const QDate& day : days)
        added += add(day) ? 1 : 0;
    return added;
}

bool HolidayList::remove(const QDate& day)
{
    return m_days.removeOne(day);
}

QString HolidayList::toText() const
{
    QStringList texts;
    texts.reserve(m_days.size());
    for (const QDate& day : m_days)
        texts << Formats::isoDate(day);
    return texts.join(QLatin1Char(' '));
}

HolidayList HolidayList::fromText(const QString& text)
{
    HolidayList list;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.size() == 10)
            list.add(QDate::fromString(word, Qt::ISODate));
    }
    return list;
}
