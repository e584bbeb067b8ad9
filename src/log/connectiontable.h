#pragma once

#include "connectionrecord.h"

#include <QList>
#include <QString>
#include <array>

// The one in-memory list of connections, oldest first. Slot 0 is never a connection, so the
// connection number the user sees is the slot number, 1 to connectioncount.
class ConnectionTable
{
public:
    static constexpr int Capacity = 1000;

    ConnectionRecord& operator[](int slot) { return m_slots.at(std::size_t(slot)); }
    const ConnectionRecord& operator[](int slot) const { return m_slots.at(std::size_t(slot)); }

    int connectioncount() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    // Every connection's number, 1 to connectioncount.
    QList<int> numbers() const;
    // Empties the table for a new load: count 0, every slot blank.
    void clear();
    // Appends after the last connection; false (and nothing stored) when the table is full.
    bool append(const ConnectionRecord& record);

    // Whether the written and the table view still show this table.
    bool writtenViewCurrent = false;
    bool tableViewCurrent = false;

private:
    std::array<ConnectionRecord, Capacity + 1> m_slots{};
    int m_count = 0;
};
