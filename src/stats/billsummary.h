#pragma once

#include "billstatistics.h"

#include <QByteArray>
#include <QString>

class BillPlan;

// The current bill as the bill panel shows it, for a status bar or a script, in one line:
// "This bill (from Sun 15 Nov 26): 14 calls, 12 hrs 3 mins 5 secs, £18.20, at this rate £36.40 by
// Mon 14 Dec 26, 73% of £25.00 budget", or as one JSON object.
class BillSummary
{
public:
    static QString line(const BillStatistics::Figures& figures, const BillPlan& plan);
    static QByteArray json(const BillStatistics::Figures& figures, const BillPlan& plan);
};
