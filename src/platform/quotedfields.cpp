#include "quotedfields.h"

QString QuotedFields::quote(const QString& field)
{
    QString escaped = field;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString QuotedFields::join(const QStringList& fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields)
        quoted << quote(field);
    return quoted.join(QLatin1Char(','));
}

QStringList QuotedFields::split(const QString& line)
{
    QStringList fields;
    const qsizetype length = line.size();
    qsizetype i = 0;
    while (true) {
        while (i < length && line.at(i) == QLatin1Char(' '))
            ++i;
        QString field;
        if (i < length && line.at(i) == QLatin1Char('"')) {
            ++i;
            while (i < length) {
                const QChar c = line.at(i);
                if (c == QLatin1Char('"')) {
                    if (i + 1 < length && line.at(i + 1) == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    // A closing quote ends the field only where a comma or the line's end
                    // follows; any other quote is part of the text (files written before
                    // quotes were doubled).
                    qsizetype next = i + 1;
                    while (next < length && line.at(next) == QLatin1Char(' '))
                        ++next;
                    if (next >= length || line.at(next) == QLatin1Char(',')) {
                        i = next;
                        break;
                    }
                }
                field += c;
                ++i;
            }
        } else {
            const qsizetype comma = line.indexOf(QLatin1Char(','), i);
            const qsizetype end = comma < 0 ? length : comma;
            field = line.mid(i, end - i).trimmed();
            i = end;
        }
        fields << field;
        if (i >= length)
            break;
        ++i; // the comma
    }
    return fields;
}
