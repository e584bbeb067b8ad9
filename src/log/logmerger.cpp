#include "logmerger.h"

#include "platform/dateparser.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <vector>

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

    QSet<Key> inModemLog;
    // The completed connections of the modem log by their day and start: where a call that the
    // own log caught in progress ended, whatever the clock did in between.
    QHash<Key, qsizetype> completions;
    for (qsizetype i = 0; i < modem.size(); ++i) {
        const Key key = connectionKey(modem.at(i));
        inModemLog.insert(key);
        if (key.end != key.start)
            completions.insert(Key{key.day, key.start, key.start}, i);
    }
    const auto completionOf = [&](const DatedConnection& record) -> qsizetype {
        const Key key = connectionKey(record);
        return key.end == key.start ? completions.value(key, -1) : -1;
    };

    QList<DatedConnection> merged;
    merged.reserve(own.size() + modem.size());
    // Modem log connections that stand in the own log's part instead, where they keep its place.
    std::vector<bool> placed(size_t(modem.size()), false);
    QHash<Key, qsizetype> frontAt;
    for (qsizetype i = 0; i < front; ++i) {
        const DatedConnection& record = own.at(i);
        frontAt.insert(connectionKey(record), merged.size());
        merged.append(record);
        // Its completion follows the last copy of a call in progress, so the copies give way to
        // it at their place.
        const qsizetype completion = completionOf(record);
        if (completion >= 0 && !placed[size_t(completion)] &&
            !(i + 1 < front && sameConnection(own.at(i + 1), record))) {
            merged.append(modem.at(completion));
            placed[size_t(completion)] = true;
        }
    }
    // A connection the own log holds already stands once, at the own log's place.
    for (qsizetype i = 0; i < modem.size(); ++i) {
        const auto at = frontAt.constFind(connectionKey(modem.at(i)));
        if (placed[size_t(i)] || at == frontAt.constEnd())
            continue;
        DatedConnection& kept = merged[*at];
        const int line = kept.ownLogLine;
        kept = modem.at(i);
        kept.fromOwnLog = true;
        kept.ownLogLine = line;
        placed[size_t(i)] = true;
    }

    // From the stop on, a copy of a call in progress stands right before its completion.
    std::vector<QList<DatedConnection>> before(size_t(modem.size()));
    QList<const DatedConnection*> byTime;
    for (qsizetype i = front; i < own.size(); ++i) {
        const DatedConnection& record = own.at(i);
        if (inModemLog.contains(connectionKey(record)))
            continue;
        if (const qsizetype completion = completionOf(record); completion >= 0)
            before[size_t(completion)].append(record);
        else
            byTime.append(&record);
    }
    qsizetype next = 0;
    const auto appendModem = [&] {
        merged.append(before[size_t(next)]);
        if (!placed[size_t(next)])
            merged.append(modem.at(next));
        ++next;
    };
    // Any other own log record the modem log does not hold goes before any modem log connection
    // of the same moment, so that an in-progress record is still followed by its completed copy.
    for (const DatedConnection* record : std::as_const(byTime)) {
        const QDateTime when = startOf(*record);
        while (next < modem.size() && startOf(modem.at(next)) < when)
            appendModem();
        merged.append(*record);
    }
    while (next < modem.size())
        appendModem();
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
