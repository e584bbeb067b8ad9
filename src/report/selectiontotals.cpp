#include "selectiontotals.h"

#include "connectionline.h"
#include "log/connectiontable.h"
#include "timetotal.h"

SelectionTotals::Texts SelectionTotals::compute(const ConnectionTable& table,
                                                const QStringList& selectedLines)
{
    TimeTotal total;
    for (const QString& line : selectedLines) {
        const int number = ConnectionLine::number(line);
        // A line can only name a connection of the table it was made from; anything else is
        // not a connection.
        if (number > 0 && number <= table.connectioncount())
            total.add(table[number]);
    }
    Texts texts;
    texts.tipl = countText(total.count());
    if (total.count() > 0) {
        texts.ltime = total.timeText();
        texts.lcost = total.costText();
    }
    return texts;
}

QString SelectionTotals::countText(int count)
{
    return QStringLiteral("Totals for the ") + QString::number(count) +
           QStringLiteral(" selected connection(s)-");
}
