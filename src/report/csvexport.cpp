#include "csvexport.h"

#include "log/connectiontable.h"
#include "platform/dateparser.h"
#include "platform/formats.h"
#include "platform/quotedfields.h"
#include "platform/textfile.h"

#include <QLocale>
#include <array>
#include <charconv>

namespace
{
const QString kLineEnd = QStringLiteral("\r\n");

QString bytesText(const std::optional<quint64>& bytes)
{
    return bytes ? QString::number(*bytes) : QString();
}

QString row(const QStringList& fields)
{
    QStringList cells;
    cells.reserve(fields.size());
    for (const QString& field : fields)
        cells << CsvExport::quoted(field);
    return cells.join(QLatin1Char(',')) + kLineEnd;
}
} // namespace

QStringList CsvExport::header()
{
    return {QStringLiteral("Number"),           QStringLiteral("Date"),
            QStringLiteral("Start time"),       QStringLiteral("End time"),
            QStringLiteral("Length (seconds)"), QStringLiteral("Cost"),
            QStringLiteral("Currency"),         QStringLiteral("Other Info"),
            QStringLiteral("Bytes sent"),       QStringLiteral("Bytes received")};
}

QStringList CsvExport::fields(const ConnectionTable& table, int n)
{
    const ConnectionRecord& record = table[n];
    // A load leaves every date in yyyy-mm-dd; a text the parser cannot read goes out as it is.
    const std::optional<QDate> date = DateParser::parseDate(record.conndate);
    const qint64 seconds =
        qint64(record.durhours) * 3600 + qint64(record.durmins) * 60 + record.dursecs;
    return {QString::number(n),
            date ? Formats::isoDate(*date) : record.conndate,
            DateParser::timeText(record.starttime).value_or(record.starttime),
            DateParser::timeText(record.endtime).value_or(record.endtime),
            QString::number(seconds),
            costText(record.cost),
            QLocale().currencySymbol(QLocale::CurrencyIsoCode),
            record.otherinfo,
            bytesText(record.sentBytes),
            bytesText(record.receivedBytes)};
}

QString CsvExport::quoted(const QString& field)
{
    const bool plain = !field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
                       !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r'));
    return plain ? field : QuotedFields::quote(field);
}

QByteArray CsvExport::document(const ConnectionTable& table, const QList<int>& numbers)
{
    QString text = row(header());
    for (const int n : numbers)
        text += row(fields(table, n));
    return TextFile::encode(text);
}

QByteArray CsvExport::document(const ConnectionTable& table)
{
    return document(table, table.numbers());
}

bool CsvExport::save(const QString& path, const ConnectionTable& table, QString* error)
{
    return TextFile::writeBytes(path, document(table), error);
}

QString CsvExport::costText(float cost)
{
    std::array<char, 64> digits{};
    const std::to_chars_result written =
        std::to_chars(digits.data(), digits.data() + digits.size(), cost, std::chars_format::fixed);
    if (written.ec != std::errc())
        return QString::number(double(cost), 'f', 9);
    return QString::fromLatin1(digits.data(), written.ptr - digits.data());
}
