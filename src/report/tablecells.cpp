#include "tablecells.h"

#include "connectionline.h"
#include "log/connectiontable.h"
#include "platform/formats.h"

std::optional<QStringList> TableCells::row(const ConnectionRecord& record, int number,
                                           bool twelveHour)
{
    const std::optional<ConnectionLine::DayAndTime> start =
        ConnectionLine::dayAndTime(record, twelveHour);
    if (!start)
        return std::nullopt;
    return QStringList{QString::number(number),
                       start->day,
                       start->time,
                       ConnectionLine::duration(record),
                       ConnectionLine::costText(record),
                       record.otherinfo};
}

bool TableCells::showsVolume(const ConnectionTable& table)
{
    for (int n = 1; n <= table.connectioncount(); ++n) {
        if (table[n].volume())
            return true;
    }
    return false;
}
