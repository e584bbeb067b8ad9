#include "tablecells.h"

#include "connectionline.h"
#include "log/connectionrecord.h"
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
                       Formats::currency(record.cost),
                       record.otherinfo};
}
