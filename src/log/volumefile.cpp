#include "volumefile.h"

#include "bytecount.h"
#include "logmerger.h"
#include "ownlogfile.h"
#include "platform/formats.h"
#include "platform/quotedfields.h"
#include "platform/textfile.h"

#include <QMap>
#include <tuple>
#include <utility>

namespace
{
// What is kept of one connection; each part may be unknown.
struct Kept {
    std::optional<quint64> sent;
    std::optional<quint64> received;
    std::optional<qint64> seconds;
    QString name; // empty when the source gives none

    // What is known now takes the place of what was kept.
    void take(const Kept& now)
    {
        sent = now.sent ? now.sent : sent;
        received = now.received ? now.received : received;
        seconds = now.seconds ? now.seconds : seconds;
        name = now.name.isEmpty() ? name : now.name;
    }
    bool operator==(const Kept&) const = default;
};

struct Entry {
    DatedConnection connection;
    Kept kept;
};

using Key = std::tuple<qint64, int, int>;

Key keyOf(const DatedConnection& connection)
{
    const LogMerger::Key key = LogMerger::connectionKey(connection);
    return {key.day, key.start, key.end};
}

// Sorts out the figures that cannot be real, noting that there were some.
class Sieve
{
public:
    std::optional<quint64> count(const std::optional<quint64>& count)
    {
        return count && !ByteCount::isReal(*count) ? refuse<quint64>() : count;
    }
    std::optional<qint64> seconds(const std::optional<qint64>& seconds)
    {
        return seconds && (*seconds < 0 || *seconds > ConnectionRecord::LongestCall)
                   ? refuse<qint64>()
                   : seconds;
    }
    // A field of the file: empty when unknown.
    std::optional<quint64> countIn(const QString& text)
    {
        bool ok = false;
        const quint64 value = text.toULongLong(&ok);
        return text.isEmpty() ? std::nullopt : ok ? count(value) : refuse<quint64>();
    }
    std::optional<qint64> secondsIn(const QString& text)
    {
        bool ok = false;
        const qint64 value = text.toLongLong(&ok);
        return text.isEmpty() ? std::nullopt : ok ? seconds(value) : refuse<qint64>();
    }
    // Whether anything was refused since the last call.
    bool refused() { return std::exchange(m_refused, false); }

private:
    template <typename T> std::optional<T> refuse()
    {
        m_refused = true;
        return std::nullopt;
    }
    bool m_refused = false;
};

template <typename T> QString textOf(const std::optional<T>& figure)
{
    return figure ? QString::number(*figure) : QString();
}

QString nameOf(const DatedConnection& connection)
{
    return Formats::isoDate(connection.date) + QLatin1Char(' ') + connection.record.starttime;
}
} // namespace

bool VolumeFile::keep(QList<DatedConnection>& connections, QString* error, bool store,
                      QStringList* ignored) const
{
    Sieve sieve;
    QStringList refused;
    // In the order of the connections' keys, so a file that did not change is not rewritten.
    QMap<Key, Entry> stored;
    for (const QString& line : TextFile::readLines(m_path).value_or(QStringList())) {
        const std::optional<DatedConnection> connection = OwnLogFile::parseRecord(line);
        if (!connection)
            continue;
        const QStringList fields = QuotedFields::split(line);
        const Kept kept{sieve.countIn(fields.value(3)), sieve.countIn(fields.value(4)),
                        sieve.secondsIn(fields.value(5)), fields.value(6)};
        if (sieve.refused())
            refused << nameOf(*connection);
        stored.insert(keyOf(*connection), {*connection, kept});
    }
    bool changed = false;
    for (DatedConnection& connection : connections) {
        ConnectionRecord& record = connection.record;
        const Kept brought{sieve.count(record.sentBytes), sieve.count(record.receivedBytes),
                           sieve.seconds(record.measuredSeconds), record.name};
        if (sieve.refused())
            refused << nameOf(connection);
        const Key key = keyOf(connection);
        const auto found = stored.constFind(key);
        Kept kept = found != stored.constEnd() ? found->kept : Kept{};
        const Kept before = kept;
        kept.take(brought);
        if (!(kept == before)) {
            stored.insert(key, {connection, kept});
            changed = true;
        }
        record.sentBytes = kept.sent;
        record.receivedBytes = kept.received;
        record.measuredSeconds = kept.seconds;
        record.name = kept.name;
    }
    if (ignored)
        *ignored = refused;
    if (!changed || !store)
        return true;
    QStringList lines;
    lines.reserve(stored.size());
    for (const Entry& entry : std::as_const(stored)) {
        QStringList fields{Formats::isoDate(entry.connection.date),
                           entry.connection.record.starttime, entry.connection.record.endtime,
                           textOf(entry.kept.sent), textOf(entry.kept.received)};
        // Without a length or a name the line keeps the shape older versions wrote.
        if (entry.kept.seconds || !entry.kept.name.isEmpty())
            fields << textOf(entry.kept.seconds);
        if (!entry.kept.name.isEmpty())
            fields << entry.kept.name;
        lines << QuotedFields::join(fields);
    }
    return TextFile::writeLines(m_path, lines, error);
}
