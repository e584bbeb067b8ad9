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
            {QStringLiteral("date"), fields.at(1)},
            {QStringLiteral("start"), fields.at(2)},
            {QStringLiteral("end"), fields.at(3)},
            {QStringLiteral("seconds"), fields.at(4).toDouble()},
            {QStringLiteral("cost"), fields.at(5).toDouble()},
            {QStringLiteral("info"), fields.at(7)},
            {QStringLiteral("bytesSent"), bytesField(fields.at(8))},
            {QStringLiteral("bytesReceived"), bytesField(fields.at(9))},
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
