#pragma once

#include <QStringList>
#include <optional>

class ConnectionTable;
struct ConnectionRecord;

// The six cell texts of a connection's row in the table view: number, date, start time, time
// online, cost and other information.
class TableCells
{
public:
    static constexpr int ColumnCount = 6;

    // Empty when the date or the start time cannot be read.
    static std::optional<QStringList> row(const ConnectionRecord& record, int number,
                                          bool twelveHour);
    // Whether the table shows "Sent" and "Received" columns after those six: where a connection
    // of the table records its bytes.
    static bool showsVolume(const ConnectionTable& table);
};
