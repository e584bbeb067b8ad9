#include "connectiontable.h"

void ConnectionTable::clear()
{
    m_slots.fill(ConnectionRecord{});
    m_count = 0;
}

bool ConnectionTable::append(const ConnectionRecord& record)
{
    if (m_count >= Capacity)
        return false;
    m_slots[std::size_t(++m_count)] = record;
    return true;
}

QList<int> ConnectionTable::numbers() const
{
    QList<int> all;
    all.reserve(m_count);
    for (int n = 1; n <= m_count; ++n)
        all << n;
    return all;
}
