#pragma once

#include <QByteArray>
#include <QDate>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

class ConnectionTable;
class QJsonObject;

// The report as one JSON object, for scripts: the days asked for, the currency's ISO code, one
// object per connection and the totals. Seconds, amounts and bytes are numbers, dates
// yyyy-mm-dd; what is not known (the bytes of a modem log's call, an open end) is null.
class JsonReport
{
public:
    static QByteArray document(const ConnectionTable& table, const QList<int>& numbers,
                               const std::optional<QDate>& from, const std::optional<QDate>& to);
    // One object on one line, as status bars read it.
    static QByteArray encode(const QJsonObject& object);

    // An amount as it is held, to four decimal places, not as the sum of single-precision costs
    // happened to come out.
    static double amount(double value);
    static QJsonValue bytes(const std::optional<quint64>& bytes);
    static QJsonValue day(const std::optional<QDate>& day);
    // The locale's ISO 4217 code, as the CSV file gives it.
    static QJsonValue currency();
};
