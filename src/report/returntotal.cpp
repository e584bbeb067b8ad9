#include "returntotal.h"

#include "log/connectiontable.h"
#include "timetotal.h"

void ReturnTotal::returntotal(const ConnectionTable& table, QString& time, QString& cost)
{
    TimeTotal total;
    for (int n = 1; n <= table.connectioncount(); ++n)
        total.add(table[n]);
    time = total.timeText();
    cost = total.costText();
}
