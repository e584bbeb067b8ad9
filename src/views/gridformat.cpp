#include "gridformat.h"

QList<GridFormat::Column> GridFormat::parse(const QString& format)
{
    QList<Column> columns;
    if (format.isEmpty())
        return columns;
    const QStringList fields = format.split(QLatin1Char('|'));
    for (const QString& field : fields) {
        Column column;
        const QChar mark = field.isEmpty() ? QChar() : field.at(0);
        Qt::Alignment horizontal = Qt::AlignLeft;
        bool marked = true;
        if (mark == QLatin1Char('^'))
            horizontal = Qt::AlignHCenter;
        else if (mark == QLatin1Char('>'))
            horizontal = Qt::AlignRight;
        else if (mark != QLatin1Char('<'))
            marked = false;
        // A field without an alignment mark is all header text, left-aligned.
        if (marked) {
            column.alignment = horizontal | Qt::AlignVCenter;
            column.header = field.mid(1);
        } else {
            column.header = field;
        }
        columns << column;
    }
    return columns;
}
