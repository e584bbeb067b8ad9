#include "connectionline.h"

#include "log/connectiontable.h"
#include "platform/dateparser.h"
#include "platform/formats.h"

std::optional<QString> ConnectionLine::text(const ConnectionTable& table, int number,
                                            bool twelveHour)
{
    return text(table[number], number, twelveHour);
}

std::optional<QString> ConnectionLine::text(const ConnectionRecord& record, int number,
                                            bool twelveHour)
{
    const std::optional<DayAndTime> start = dayAndTime(record, twelveHour);
    if (!start)
        return std::nullopt;
    return Formats::zeroZeroHash(number) + QLatin1String(": ") + QLatin1String("Connected on ") +
           start->day + QLatin1String(", ") + start->time + QLatin1String(" for ") +
           duration(record) + QLatin1String(" costing ") + costText(record) + QLatin1String(" -") +
           record.otherinfo;
}

QString ConnectionLine::duration(const ConnectionRecord& record)
{
    return QString::number(record.durhours) + QLatin1String(" hrs ") +
           Formats::zeroHash(record.durmins) + QLatin1String(" mins ") +
           Formats::zeroHash(record.dursecs) + QLatin1String(" secs");
}

QString ConnectionLine::costText(const ConnectionRecord& record)
{
    const QString cost = Formats::currency(record.cost);
    return record.volumeCost ? cost : cost + volumeUnknownMark();
}

std::optional<ConnectionLine::DayAndTime> ConnectionLine::dayAndTime(const ConnectionRecord& record,
                                                                     bool twelveHour)
{
    const std::optional<QDate> date = DateParser::parseDate(record.conndate);
    const std::optional<QTime> start = DateParser::parseTime(record.starttime);
    if (!date || !start)
        return std::nullopt;
    return DayAndTime{Formats::dddDdMmmYy(*date), Formats::clockTime(*start, twelveHour)};
}

bool ConnectionLine::startsNewDay(const ConnectionTable& table, int number)
{
    return table[number].conndate != table[number - 1].conndate;
}

QString ConnectionLine::numberText(const QString& line)
{
    const QString head = line.left(4);
    if (head.size() == 4 && head.at(3) == QLatin1Char(':'))
        return head.left(3);
    return head;
}

int ConnectionLine::number(const QString& line)
{
    bool ok = false;
    const int value = numberText(line).toInt(&ok);
    return ok && value > 0 ? value : 0;
}
