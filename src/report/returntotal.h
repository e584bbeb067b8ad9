#pragma once

#include <QString>

class ConnectionTable;

// The total time and cost of every connection in the table, as the export and the printout
// write them.
class ReturnTotal
{
public:
    // time: "H hrs M mins S secs"; cost: the currency text of the summed costs.
    static void returntotal(const ConnectionTable& table, QString& time, QString& cost);
    static QString timeLine(const QString& time)
    {
        return QStringLiteral("Total time for the above connections = ") + time;
    }
    static QString costLine(const QString& cost)
    {
        return QStringLiteral("Total cost for the above connections = ") + cost;
    }
};
