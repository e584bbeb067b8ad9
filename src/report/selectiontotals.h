#pragma once

#include <QString>
#include <QStringList>

class ConnectionTable;

// The written view's totals of the selected lines: how many connections they stand for, their
// time online and their cost. Day separators count for nothing.
class SelectionTotals
{
public:
    struct Texts {
        QString tipl;  // "Totals for the N selected connection(s)-"
        QString ltime; // "H hrs M mins S secs", empty when no connection counted
        QString lcost; // currency, empty when no connection counted
    };

    static Texts compute(const ConnectionTable& table, const QStringList& selectedLines);
    static QString countText(int count);
};
