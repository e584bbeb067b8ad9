#include "jsonreport.h"

#include "csvexport.h"
#include "log/connectiontable.h"
#include "platform/formats.h"
#include "timetotal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <cmath>

namespace
{
// A bytes field of the CSV row: empty when unknown.
QJsonValue bytesField(const QString& text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text.toDouble());
}
} // namespace

QByteArray JsonReport::document(const ConnectionTable& table, const QList<int>& numbers,
                                const std::optional<QDate>& from, const std::optional<QDate>& to)
{
    // The same fields as the CSV file's, so both read the table by one rule.
    QJsonArray connections;
    TimeTotal total;
    for (const int n : numbers) {
        const QStringList fields = CsvExport::fields(table, n);
        connections.append(QJsonObject{
            {QStringLiteral("number"), n},
            {QStringLiteral("date"), fields.at(CsvExport::Date)},
            {QStringLiteral("start"), fields.at(CsvExport::Start)},
            {QStringLiteral("end"), fields.at(CsvExport::End)},
            {QStringLiteral("endDate"), fields.at(CsvExport::EndDate)},
            {QStringLiteral("seconds"), fields.at(CsvExport::Seconds).toDouble()},
            {QStringLiteral("cost"), fields.at(CsvExport::Cost).toDouble()},
            {QStringLiteral("info"), fields.at(CsvExport::Info)},
            {QStringLiteral("bytesSent"), bytesField(fields.at(CsvExport::Sent))},
            {QStringLiteral("bytesReceived"), bytesField(fields.at(CsvExport::Received))},
        });
        total.add(table[n]);
    }
    return encode(QJsonObject{
        {QStringLiteral("from"), day(from)},
        {QStringLiteral("to"), day(to)},
        {QStringLiteral("currency"), currency()},
        {QStringLiteral("connections"), connections},
        {QStringLiteral("calls"), total.count()},
        {QStringLiteral("seconds"), double(total.totalSeconds())},
        {QStringLiteral("cost"), amount(total.cost())},
        {QStringLiteral("bytes"), bytes(total.volume())},
    });
}

QByteArray JsonReport::encode(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

double JsonReport::amount(double value)
{
    return std::round(value * 10000.0) / 10000.0;
}

QJsonValue JsonReport::bytes(const std::optional<quint64>& bytes)
{
    return bytes ? QJsonValue(double(*bytes)) : QJsonValue(QJsonValue::Null);
}

QJsonValue JsonReport::day(const std::optional<QDate>& day)
{
    return day ? QJsonValue(Formats::isoDate(*day)) : QJsonValue(QJsonValue::Null);
}

QJsonValue JsonReport::currency()
{
    // A locale without a currency (C) has no code to give.
    const QString code = QLocale().currencySymbol(QLocale::CurrencyIsoCode);
    return code.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(code);
}
