#include "volumefile.h"

#include "logmerger.h"
#include "ownlogfile.h"
#include "platform/formats.h"
#include "platform/quotedfields.h"
#include "platform/textfile.h"

#include <QMap>
#include <tuple>

namespace
{
struct Bytes {
    std::optional<quint64> sent;
    std::optional<quint64> received;
    bool known() const { return sent || received; }
    bool operator==(const Bytes&) const = default;
};

struct Entry {
    DatedConnection connection;
    Bytes bytes;
};

using Key = std::tuple<qint64, int, int>;

Key keyOf(const DatedConnection& connection)
{
    const LogMerger::Key key = LogMerger::connectionKey(connection);
    return {key.day, key.start, key.end};
}

std::optional<quint64> countOf(const QString& text)
{
    bool ok = false;
    const quint64 count = text.toULongLong(&ok);
    return ok ? std::optional<quint64>(count) : std::nullopt;
}

QString textOf(const std::optional<quint64>& count)
{
    return count ? QString::number(*count) : QString();
}
} // namespace

bool VolumeFile::keep(QList<DatedConnection>& connections, QString* error, bool store) const
{
    // In the order of the connections' keys, so a file that did not change is not rewritten.
    QMap<Key, Entry> stored;
    for (const QString& line : TextFile::readLines(m_path).value_or(QStringList())) {
        const std::optional<DatedConnection> connection = OwnLogFile::parseRecord(line);
        if (!connection)
            continue;
        const QStringList fields = QuotedFields::split(line);
        stored.insert(keyOf(*connection),
                      {*connection, Bytes{countOf(fields.value(3)), countOf(fields.value(4))}});
    }
    bool changed = false;
    for (DatedConnection& connection : connections) {
        ConnectionRecord& record = connection.record;
        const Bytes brought{record.sentBytes, record.receivedBytes};
        const Key key = keyOf(connection);
        const auto found = stored.constFind(key);
        if (brought.known()) {
            if (found == stored.constEnd() || !(found->bytes == brought)) {
                stored.insert(key, {connection, brought});
                changed = true;
            }
        } else if (found != stored.constEnd()) {
            record.sentBytes = found->bytes.sent;
            record.receivedBytes = found->bytes.received;
        }
    }
    if (!changed || !store)
        return true;
    QStringList lines;
    lines.reserve(stored.size());
    for (const Entry& entry : std::as_const(stored))
        lines << QuotedFields::join({Formats::isoDate(entry.connection.date),
                                     entry.connection.record.starttime,
                                     entry.connection.record.endtime, textOf(entry.bytes.sent),
                                     textOf(entry.bytes.received)});
    return TextFile::writeLines(m_path, lines, error);
}
