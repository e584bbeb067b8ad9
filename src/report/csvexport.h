#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class ConnectionTable;

// The connections as comma-separated values (RFC 4180) in UTF-8, for a spreadsheet or a script:
// a header row, then one row per connection with its number, date (yyyy-mm-dd), start and end
// (hh:mm:ss), the date of the end, length in seconds, cost as a plain decimal, the currency's ISO
// code, the marker or note, and the bytes sent and received (empty when unknown). Rows end in
// CR LF.
class CsvExport
{
public:
    // The columns, in their order.
    enum Column {
        Number,
        Date,
        Start,
        End,
        EndDate,
        Seconds,
        Cost,
        Currency,
        Info,
        Sent,
        Received
    };
    static QStringList header();
    // The fields of connection n as the table holds them, before they are made safe for a
    // spreadsheet.
    static QStringList fields(const ConnectionTable& table, int n);
    // A text a log or the user wrote, so that a spreadsheet never takes it for a formula.
    static QString inert(const QString& text);
    // A field as it stands in the file: quoted, its quotes doubled, when it holds a comma, a
    // quote or a line break.
    static QString quoted(const QString& field);
    // The whole file for the given connection numbers.
    static QByteArray document(const ConnectionTable& table, const QList<int>& numbers);
    // Every connection of the table.
    static QByteArray document(const ConnectionTable& table);
    // Replaces any file at path in one step; on failure the old file stays.
    static bool save(const QString& path, const ConnectionTable& table, QString* error = nullptr);
    // A cost in the fewest decimal digits that read back as the same single-precision number,
    // never in exponent form: 0.46, 1.0395, 12.
    static QString costText(float cost);
};
