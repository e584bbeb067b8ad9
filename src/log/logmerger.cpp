#include "logmerger.h"

#include "platform/dateparser.h"

#include <QDateTime>
#include <QSet>

namespace
{

// A time text as the seconds it stands for, so that two spellings of one moment compare equal.
int secondsOf(const QString& text)
{
    const std::optional<QTime> time = DateParser::parseTime(text);
    return time ? time->msecsSinceStartOfDay() / 1000 : -1;
}

QDateTime startOf(const DatedConnection& c)
{
    return QDateTime(
        c.date, QTime::fromMSecsSinceStartOfDay(qMax(0, secondsOf(c.record.starttime)) * 1000));
}

} // namespace

LogMerger::Key LogMerger::connectionKey(const DatedConnection& c)
{
    return Key{c.date.toJulianDay(), secondsOf(c.record.starttime), secondsOf(c.record.endtime)};
}

bool LogMerger::sameConnection(const DatedConnection& a, const DatedConnection& b)
{
    return connectionKey(a) == connectionKey(b);
}

qsizetype LogMerger::stopIndex(const QList<DatedConnection>& own,
                               const QList<DatedConnection>& modem)
{
    if (modem.isEmpty())
        return -1;
    const Key first = connectionKey(modem.first());
    for (qsizetype i = 0; i < own.size(); ++i) {
        if (connectionKey(own.at(i)) == first)
            return i;
    }
    return -1;
}

QList<DatedConnection> LogMerger::merge(const QList<DatedConnection>& own,
                                        const QList<DatedConnection>& modem)
{
    const qsizetype stop = stopIndex(own, modem);
    const qsizetype front = stop < 0 ? own.size() : stop;
    QList<DatedConnection> merged;
    merged.reserve(own.size() + modem.size());
    merged.append(own.mid(0, front));

    QSet<Key> inModemLog;
    for (const DatedConnection& c : modem)
        inModemLog.insert(connectionKey(c));
    qsizetype next = 0;
    for (qsizetype i = front; i < own.size(); ++i) {
        const DatedConnection& record = own.at(i);
        if (inModemLog.contains(connectionKey(record)))
            continue;
        // Before any modem log connection of the same moment, so that an in-progress record is
        // still followed by its completed copy.
        const QDateTime when = startOf(record);
        while (next < modem.size() && startOf(modem.at(next)) < when)
            merged.append(modem.at(next++));
        merged.append(record);
    }
    merged.append(modem.mid(next));
    return merged;
}

bool LogMerger::isInProgressDuplicate(const QList<DatedConnection>& records, qsizetype i)
{
    if (i < 0 || i + 1 >= records.size())
        return false;
    const DatedConnection& copy = records.at(i);
    // Further own log copies of the same call in progress may stand in between; all go at once,
    // so that the first load already shows what every later one shows.
    qsizetype next = i + 1;
    while (next + 1 < records.size() && records.at(next).fromOwnLog &&
           sameConnection(records.at(next), copy))
        ++next;
    const DatedConnection& completed = records.at(next);
    // Only the modem log can have completed a call the own log caught in progress; two records
    // of the own log were both kept by an earlier load and are two calls.
    return copy.fromOwnLog && !completed.fromOwnLog && copy.date == completed.date &&
           copy.record.endtime == copy.record.starttime &&
           completed.record.starttime == copy.record.endtime;
}
