#include "ownlogfile.h"

#include "lognames.h"
#include "platform/dateparser.h"
#include "platform/formats.h"
#include "platform/quotedfields.h"
#include "platform/textfile.h"

#include <QFile>

#include <limits>

QString OwnLogFile::pathFor(const QString& logpath)
{
    return LogNames::withoutExtension(logpath) +
           QStringLiteral(" (Connection information file - Do not delete).dtk");
}

std::optional<DatedConnection> OwnLogFile::parseRecord(const QString& line)
{
    const QStringList fields = QuotedFields::split(line);
    if (fields.size() < 3)
        return std::nullopt;
    // The date parser reads ISO, the locale's short date and the older DD MM YYYY alike.
    const std::optional<QDate> date = DateParser::parseDate(fields.at(0));
    // An edited or older file may hold "10:05" or "10:05 PM": costing and the in-progress rule
    // read hh:mm:ss only.
    const std::optional<QString> start = DateParser::timeText(fields.at(1));
    const std::optional<QString> end = DateParser::timeText(fields.at(2));
    if (!date || !start || !end)
        return std::nullopt;
    DatedConnection connection;
    connection.date = *date;
    connection.record.conndate = Formats::ddMmmYy(*date);
    connection.record.starttime = *start;
    connection.record.endtime = *end;
    connection.fromOwnLog = true;
    return connection;
}

QString OwnLogFile::formatRecord(const DatedConnection& connection)
{
    return QuotedFields::join({Formats::isoDate(connection.date), connection.record.starttime,
                               connection.record.endtime});
}

OwnLogFile::ReadResult OwnLogFile::read(IfMissing ifMissing) const
{
    ReadResult result;
    if (!QFile::exists(m_path)) {
        const bool created = ifMissing == IfMissing::Create && TextFile::writeBytes(m_path, {});
        result.status = created ? ReadStatus::Created : ReadStatus::Missing;
        return result;
    }
    std::optional<QByteArray> bytes = TextFile::readBytes(m_path);
    if (!bytes) {
        result.status = ReadStatus::Unreadable;
        return result;
    }
    result.contents = std::move(*bytes);
    const QList<QByteArray> lines = TextFile::splitLines(result.contents);
    result.records.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines.at(i);
        const QString text = TextFile::decode(line);
        if (text.trimmed().isEmpty())
            continue;
        if (std::optional<DatedConnection> record = parseRecord(text)) {
            record->ownLogLine = i;
            result.records.append(*record);
        } else {
            ++result.skipped;
            result.unreadable.append({i, line});
        }
    }
    return result;
}

QByteArray OwnLogFile::compose(const QList<DatedConnection>& records,
                               const QList<KeptLine>& unreadable, QList<int>* unreadablePlaces)
{
    // An unreadable line goes in front of the first own log record that stood after it; those
    // that stood after every record go in front of the first new connection.
    QList<int> nextOwnLine(records.size() + 1, std::numeric_limits<int>::max());
    for (qsizetype i = records.size() - 1; i >= 0; --i) {
        const int own = records.at(i).ownLogLine;
        nextOwnLine[i] = own >= 0 ? own : nextOwnLine[i + 1];
    }
    QByteArray bytes;
    bytes.reserve((records.size() + unreadable.size()) * 40);
    int written = 0;
    qsizetype kept = 0;
    const auto keepUpTo = [&](int line) {
        for (; kept < unreadable.size() && unreadable.at(kept).line < line; ++kept) {
            bytes += unreadable.at(kept).bytes + "\r\n";
            ++written;
            if (unreadablePlaces)
                unreadablePlaces->append(written);
        }
    };
    for (qsizetype i = 0; i < records.size(); ++i) {
        keepUpTo(nextOwnLine.at(i));
        bytes += TextFile::encode(formatRecord(records.at(i))) + "\r\n";
        ++written;
    }
    keepUpTo(std::numeric_limits<int>::max());
    return bytes;
}

OwnLogFile::WriteStatus OwnLogFile::write(const QByteArray& contents, const QByteArray* expected,
                                          QString* error) const
{
    bool changed = false;
    const auto unchanged = [&] {
        changed = TextFile::readBytes(m_path).value_or(QByteArray()) != *expected ||
                  (expected->isEmpty() && !QFile::exists(m_path));
        return !changed;
    };
    if (TextFile::writeBytes(m_path, contents, error, expected ? unchanged : TextFile::Check()))
        return WriteStatus::Written;
    return changed ? WriteStatus::Changed : WriteStatus::Failed;
}

bool OwnLogFile::write(const QList<DatedConnection>& records, QString* error,
                       const QList<KeptLine>& unreadable) const
{
    return write(compose(records, unreadable), nullptr, error) == WriteStatus::Written;
}
