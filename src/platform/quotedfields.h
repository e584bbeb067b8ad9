#pragma once

#include <QString>
#include <QStringList>

// Lines of comma-separated, double-quoted fields. A double quote inside a field is written
// doubled, so any text survives the round trip.
class QuotedFields
{
public:
    static QString join(const QStringList& fields);
    static QString quote(const QString& field);
    // Quotes around a field are removed; unquoted fields are taken as they stand, trimmed.
    static QStringList split(const QString& line);
};
