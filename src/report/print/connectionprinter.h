#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class ConnectionTable;
class QDateTime;
class QPrinter;

// The connection list on paper: a header with the date, the indented connection lines and the
// totals, at 10 point, page after page, on the default printer without any dialog.
class ConnectionPrinter
{
public:
    static QString header(const QDateTime& now);
    // Header, empty line, each connection line behind seven spaces, empty line, the two totals.
    // Fails rather than print a list with a connection missing.
    static std::optional<QStringList> documentLines(const ConnectionTable& table, bool twelveHour,
                                                    const QDateTime& now, QString* error = nullptr);

    // Draws the lines top to bottom, starting a new page when the next one would not fit; a line
    // wider than the page goes on over the next lines rather than being cut off. A failure after
    // the job has begun aborts it.
    static bool printTo(QPrinter& printer, const QStringList& lines);
    // Prints on the system's default printer; false when there is none or anything fails.
    static bool printconnect(const QStringList& lines);

    static QString failureMessage()
    {
        return QStringLiteral("There was a problem printing to your printer.");
    }
};
