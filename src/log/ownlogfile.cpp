#include "ownlogfile.h"

#include "platform/dateparser.h"
#include "platform/formats.h"
#include "platform/quotedfields.h"
#include "platform/textfile.h"

#include <QFile>

QString OwnLogFile::pathFor(const QString& logpath)
{
    return logpath.chopped(qMin<qsizetype>(4, logpath.size())) +
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

OwnLogFile::ReadResult OwnLogFile::read() const
{
    ReadResult result;
    if (!QFile::exists(m_path)) {
        result.status =
            TextFile::writeBytes(m_path, {}) ? ReadStatus::Created : ReadStatus::Missing;
        return result;
    }
    const std::optional<QByteArray> bytes = TextFile::readBytes(m_path);
    if (!bytes) {
        result.status = ReadStatus::Unreadable;
        return result;
    }
    const QList<QByteArray> lines = TextFile::splitLines(*bytes);
    result.records.reserve(lines.size());
    for (const QByteArray& line : lines) {
        const QString text = TextFile::decode(line);
        if (text.trimmed().isEmpty())
            continue;
        if (std::optional<DatedConnection> record = parseRecord(text))
            result.records.append(*record);
        else {
            ++result.skipped;
            result.unreadable << line;
        }
    }
    return result;
}

bool OwnLogFile::write(const QList<DatedConnection>& records, QString* error,
                       const QList<QByteArray>& unreadable) const
{
    QByteArray bytes;
    bytes.reserve((records.size() + unreadable.size()) * 40);
    for (const DatedConnection& connection : records)
        bytes += TextFile::encode(formatRecord(connection)) + "\r\n";
    for (const QByteArray& line : unreadable)
        bytes += line + "\r\n";
    return TextFile::writeBytes(m_path, bytes, error);
}
