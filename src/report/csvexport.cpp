#include "csvexport.h"

#include "log/connectiontable.h"
#include "platform/dateparser.h"
#include "platform/formats.h"
#include "platform/quotedfields.h"
#include "platform/textfile.h"

#include <QDateTime>
#include <QLocale>
#include <array>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace
{
const QString kLineEnd = QStringLiteral("\r\n");

QString bytesText(const std::optional<quint64>& bytes)
{
    return bytes ? QString::number(*bytes) : QString();
}

// The day of the end time: the one that brings the end nearest to the start and the length,
// so a call past midnight, or one up for days, ends on its own day. Empty when the texts
// cannot be read.
QString endDateText(const std::optional<QDate>& date, const QString& start, const QString& end,
                    qint64 seconds)
{
    const std::optional<QTime> startTime = DateParser::parseTime(start);
    const std::optional<QTime> endTime = DateParser::parseTime(end);
    if (!date || !startTime || !endTime)
        return QString();
    // Clock time without a zone: a change of the clocks or a stepped clock moves the end by an
    // hour or so, far less than the half day that would choose another day.
    const QDateTime reached = QDateTime(*date, *startTime, Qt::UTC).addSecs(seconds);
    QDate best = reached.date();
    qint64 nearest = std::numeric_limits<qint64>::max();
    for (const int step : {-1, 0, 1}) {
        const QDate day = reached.date().addDays(step);
        const qint64 distance = std::abs(QDateTime(day, *endTime, Qt::UTC).secsTo(reached));
        if (distance < nearest) {
            nearest = distance;
            best = day;
        }
    }
    return Formats::isoDate(best);
}

QString row(const QStringList& fields)
{
    QStringList cells;
    cells.reserve(fields.size());
    for (const QString& field : fields)
        cells << CsvExport::quoted(field);
    return cells.join(QLatin1Char(',')) + kLineEnd;
}

// Texts from a log or the user are made safe; the figures the program writes stay figures.
QStringList safeFields(QStringList fields)
{
    for (const int column : {CsvExport::Date, CsvExport::Start, CsvExport::End, CsvExport::Info})
        fields[column] = CsvExport::inert(fields.at(column));
    return fields;
}
} // namespace

QStringList CsvExport::header()
{
    return {QStringLiteral("Number"),        QStringLiteral("Date"),
            QStringLiteral("Start time"),    QStringLiteral("End time"),
            QStringLiteral("End date"),      QStringLiteral("Length (seconds)"),
            QStringLiteral("Cost"),          QStringLiteral("Currency"),
            QStringLiteral("Other Info"),    QStringLiteral("Bytes sent"),
            QStringLiteral("Bytes received")};
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
            endDateText(date, record.starttime, record.endtime, seconds),
            QString::number(seconds),
            costText(record.cost),
            QLocale().currencySymbol(QLocale::CurrencyIsoCode),
            record.otherinfo,
            bytesText(record.sentBytes),
            bytesText(record.receivedBytes)};
}

QString CsvExport::inert(const QString& text)
{
    // A spreadsheet runs a cell that starts like a formula (=HYPERLINK(...)); a leading
    // apostrophe makes it text, as the spreadsheets' own advice has it.
    static const QString starts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && starts.contains(text.front()) ? QLatin1Char('\'') + text : text;
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
        text += row(safeFields(fields(table, n)));
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
