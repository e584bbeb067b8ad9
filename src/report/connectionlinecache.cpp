#include "connectionlinecache.h"

#include "connectionline.h"

std::optional<QString> ConnectionLineCache::text(const ConnectionRecord& record, int number,
                                                 bool twelveHour)
{
    if (number < 1)
        return ConnectionLine::text(record, number, twelveHour);
    if (!(m_locale == QLocale())) {
        m_locale = QLocale();
        m_entries.clear();
    }
    if (m_entries.size() < number)
        m_entries.resize(number);
    Entry& entry = m_entries[number - 1];
    if (!entry.line || entry.twelveHour != twelveHour || !(entry.record == record)) {
        entry.record = record;
        entry.twelveHour = twelveHour;
        entry.line = ConnectionLine::text(record, number, twelveHour);
    }
    return entry.line;
}
