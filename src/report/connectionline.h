#pragma once

#include <QString>
#include <optional>

class ConnectionTable;
struct ConnectionRecord;

// The one-line English text of a connection, shared by the written view, the text export and
// the printout, and the rule that reads the connection number back from such a line.
class ConnectionLine
{
public:
    // 001: Connected on Mon 03 Apr 00, 21:05 for 1 hrs 05 mins 09 secs costing £0.45 -Peak Rate
    // Empty when the date or the start time cannot be read.
    static std::optional<QString> text(const ConnectionTable& table, int number, bool twelveHour);
    static std::optional<QString> text(const ConnectionRecord& record, int number, bool twelveHour);
    // "1 hrs 05 mins 09 secs"
    static QString duration(const ConnectionRecord& record);
    // The call's cost in the currency, marked "(volume unknown)" where bytes are priced and the
    // call's are not known, so the figure is its time cost alone.
    static QString costText(const ConnectionRecord& record);
    // The mark itself, which a sort by cost leaves out.
    static QString volumeUnknownMark() { return QStringLiteral(" (volume unknown)"); }

    // The day and the start time as every list shows them: "Mon 03 Apr 00" and "21:05" (or
    // "09:05 PM" on the 12-hour clock). Empty when the date or the start time cannot be read.
    struct DayAndTime {
        QString day;
        QString time;
    };
    static std::optional<DayAndTime> dayAndTime(const ConnectionRecord& record, bool twelveHour);

    // Whether the written list puts an empty line in front of connection number: its date text
    // differs from that of the slot before, compared exactly. Slot 0 holds no date, so the
    // first connection always has one.
    static bool startsNewDay(const ConnectionTable& table, int number);

    // The number text at the start of a line: its first three characters when the fourth is
    // ":", otherwise its first four (connection 1000, or empty for a day separator).
    static QString numberText(const QString& line);
    // The connection a line stands for; 0 when it stands for none.
    static int number(const QString& line);
};
