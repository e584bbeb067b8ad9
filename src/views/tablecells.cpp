#include "tablecells.h"

#include "log/connectionrecord.h"
#include "platform/dateparser.h"
#include "platform/formats.h"
#include "report/connectionline.h"

std::optional<QStringList> TableCells::row(const ConnectionRecord& record, int number,
                                           bool twelveHour)
{
    const std::optional<QDate> date = DateParser::parseDate(record.conndate);
    const std::optional<QTime> start = DateParser::parseTime(record.starttime);
    if (!date || !start)
        return std::nullopt;
    return QStringList{QString::number(number),
                       Formats::dddDdMmmYy(*date),
                       Formats::clockTime(*start, twelveHour),
                       ConnectionLine::duration(record),
                       Formats::currency(record.cost),
                       record.otherinfo};
}
