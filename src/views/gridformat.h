#pragma once

#include <QList>
#include <QString>
#include <Qt>

// Reads a grid format string such as "^ Number|>     Date      ": one field per column, split
// by "|", whose first character is the column's alignment ("^" centred, ">" right, "<" left)
// and whose rest, spaces included, is the header text.
class GridFormat
{
public:
    struct Column {
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        QString header;
    };

    static QList<Column> parse(const QString& format);
};
