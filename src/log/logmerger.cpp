#include "logmerger.h"

#include "platform/dateparser.h"

#include <QDateTime>
#include <QSet>

namespace
{

QString key(const DatedConnection& c)
{
    return c.date.toString(Qt::ISODate) + QLatin1Char(' ') + c.record.starttime.left(5) +
           QLatin1Char(' ') + c.record.endtime.left(5);
}

QDateTime startOf(const DatedConnection& c)
{
    return QDateTime(c.date, DateParser::parseTime(c.record.starttime).value_or(QTime(0, 0)));
}

} // namespace

bool LogMerger::sameConnection(const DatedConnection& a, const DatedConnection& b)
{
    return a.date == b.date && a.record.starttime.left(5) == b.record.starttime.left(5) &&
           a.record.endtime.left(5) == b.record.endtime.left(5);
}

qsizetype LogMerger::stopIndex(const QList<DatedConnection>& own,
                               const QList<DatedConnection>& modem)
{
    if (modem.isEmpty())
        return -1;
    for (qsizetype i = 0; i < own.size(); ++i) {
        if (sameConnection(own.at(i), modem.first()))
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

    QSet<QString> inModemLog;
    for (const DatedConnection& c : modem)
        inModemLog.insert(key(c));
    qsizetype next = 0;
    for (qsizetype i = front; i < own.size(); ++i) {
        const DatedConnection& record = own.at(i);
        if (inModemLog.contains(key(record)))
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
    const ConnectionRecord& record = records.at(i).record;
    return records.at(i).fromOwnLog && record.endtime == record.starttime &&
           records.at(i + 1).record.starttime == record.endtime;
}
