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
    if (!date || !DateParser::isValidTime(fields.at(1)) || !DateParser::isValidTime(fields.at(2)))
        return std::nullopt;
    DatedConnection connection;
    connection.date = *date;
    connection.record.conndate = Formats::ddMmmYy(*date);
    connection.record.starttime = fields.at(1);
    connection.record.endtime = fields.at(2);
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
    const std::optional<QStringList> lines = TextFile::readLines(m_path);
    if (!lines) {
        result.status = ReadStatus::Unreadable;
        return result;
    }
    result.records.reserve(lines->size());
    for (const QString& line : *lines) {
        if (line.trimmed().isEmpty())
            continue;
        if (std::optional<DatedConnection> record = parseRecord(line))
            result.records.append(*record);
        else {
            ++result.skipped;
            result.unreadable << line;
        }
    }
    return result;
}

bool OwnLogFile::write(const QList<DatedConnection>& records, QString* error,
                       const QStringList& unreadable) const
{
    QStringList lines;
    lines.reserve(records.size() + unreadable.size());
    for (const DatedConnection& connection : records)
        lines << formatRecord(connection);
    lines << unreadable;
    return TextFile::writeLines(m_path, lines, error);
}
