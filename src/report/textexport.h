#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class ConnectionTable;

// The whole connection list as a plain text file: one connection line per connection, an empty
// line and the two total lines. The printout reuses the same pieces.
class TextExport
{
public:
    // "Connections from Mon 03 Apr 00 to Fri 28 Apr 00.txt" (or another extension); empty when
    // the table is empty or a date cannot be read.
    static QString fileName(const ConnectionTable& table,
                            const QString& extension = QStringLiteral(".txt"));

    // The connection lines of 1 to connectioncount, no day separators. Fails rather than leave a
    // connection out, naming the first line that could not be made.
    static std::optional<QStringList> connectionLines(const ConnectionTable& table, bool twelveHour,
                                                      QString* error = nullptr);
    // "Total time for the above connections = ..." and "Total cost for the above connections =
    // ...".
    static QStringList totalLines(const ConnectionTable& table);
    // The file's lines: connection lines, an empty line, the two total lines.
    static std::optional<QStringList> lines(const ConnectionTable& table, bool twelveHour,
                                            QString* error = nullptr);
    // The same for the given connection numbers only, totalled over those.
    static std::optional<QStringList> lines(const ConnectionTable& table, const QList<int>& numbers,
                                            bool twelveHour, QString* error = nullptr);

    // Replaces any file at path in one step; on failure the old file stays and nothing partial
    // is left behind.
    static bool savelinestofile(const QString& path, const ConnectionTable& table, bool twelveHour,
                                QString* error = nullptr);

    static QString successMessage()
    {
        return QStringLiteral("Connections were successfully saved to a text file");
    }
    static QString failureMessage()
    {
        return QStringLiteral("Connections could not be saved, an error has occurred.");
    }
};
