#include "textexport.h"

#include "connectionline.h"
#include "log/connectiontable.h"
#include "platform/formats.h"
#include "platform/textfile.h"
#include "returntotal.h"
#include "timetotal.h"

namespace
{
std::optional<QStringList> linesOf(const ConnectionTable& table, const QList<int>& numbers,
                                   bool twelveHour, QString* error)
{
    QStringList result;
    result.reserve(numbers.size());
    for (const int n : numbers) {
        const std::optional<QString> line = ConnectionLine::text(table, n, twelveHour);
        if (!line) {
            if (error)
                *error =
                    QStringLiteral("Connection %1 has a date or start time that cannot be read")
                        .arg(Formats::zeroZeroHash(n));
            return std::nullopt;
        }
        result << *line;
    }
    return result;
}
} // namespace

QString TextExport::fileName(const ConnectionTable& table, const QString& extension)
{
    if (table.isEmpty())
        return QString();
    // Named by the days as the lines show them.
    const auto first = ConnectionLine::dayAndTime(table[1], false);
    const auto last = ConnectionLine::dayAndTime(table[table.connectioncount()], false);
    if (!first || !last)
        return QString();
    QString name = QLatin1String("Connections from ") + first->day + QLatin1String(" to ") +
                   last->day + extension;
    // A locale's day or month text must not turn the name into a path.
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    name.replace(QLatin1Char('\\'), QLatin1Char('-'));
    return name;
}

std::optional<QStringList> TextExport::connectionLines(const ConnectionTable& table,
                                                       bool twelveHour, QString* error)
{
    return linesOf(table, table.numbers(), twelveHour, error);
}

QStringList TextExport::totalLines(const ConnectionTable& table)
{
    QString time;
    QString cost;
    ReturnTotal::returntotal(table, time, cost);
    return {ReturnTotal::timeLine(time), ReturnTotal::costLine(cost)};
}

std::optional<QStringList> TextExport::lines(const ConnectionTable& table, bool twelveHour,
                                             QString* error)
{
    return lines(table, table.numbers(), twelveHour, error);
}

std::optional<QStringList> TextExport::lines(const ConnectionTable& table,
                                             const QList<int>& numbers, bool twelveHour,
                                             QString* error)
{
    std::optional<QStringList> result = linesOf(table, numbers, twelveHour, error);
    if (!result)
        return std::nullopt;
    TimeTotal total;
    for (const int n : numbers)
        total.add(table[n]);
    *result << QString() << ReturnTotal::timeLine(total.timeText())
            << ReturnTotal::costLine(total.costText());
    return result;
}

bool TextExport::savelinestofile(const QString& path, const ConnectionTable& table, bool twelveHour,
                                 QString* error)
{
    const std::optional<QStringList> content = lines(table, twelveHour, error);
    if (!content)
        return false;
    return TextFile::writeLines(path, *content, error);
}
