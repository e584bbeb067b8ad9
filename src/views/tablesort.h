#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The table view's sort: a key per cell text of the sort column, and a stable ascending order
// of the rows by those keys. Numbers compare numerically, texts by character codes, and every
// number is less than every text.
class TableSort
{
public:
    // Sent and Received stand after the design's six where the connections record their bytes;
    // their cells sort by the exact count of bytes.
    enum Column { Number = 0, Date, StartTime, TimeOnline, Cost, OtherInfo, Sent, Received };

    struct Key {
        bool isText = false;
        double number = 0.0;
        QString text;
    };

    // "connection number...", "date...", ...; empty for a column that does not exist.
    static QString columnName(int column);
    // The column whose keys are sorted: the date column sorts by number, since rows are
    // numbered in date order.
    static int keyColumn(int column) { return column == Date ? Number : column; }

    static Key key(int column, const QString& text);
    static bool less(const Key& a, const Key& b);
    // The new row order: element r is the index (into texts) of the row that goes to place r.
    // Rows with equal keys keep their order.
    static QList<int> order(int column, const QStringList& texts);

    // The numeric value at the start of a text (leading spaces, a sign, digits, a decimal
    // point); 0 when there is none.
    static double leadingValue(const QString& text);
};
