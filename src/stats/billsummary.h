#pragma once

#include "billstatistics.h"

#include <QString>

class BillPlan;

// The current bill in one line, for a status bar or a script:
// "This bill (from Sun 15 Nov 26): 12 hrs 3 mins 5 secs, £18.20, 73% of £25.00 budget".
class BillSummary
{
public:
    static QString line(const BillStatistics::Figures& figures, const BillPlan& plan);
};
