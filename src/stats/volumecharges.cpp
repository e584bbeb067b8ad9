#include "volumecharges.h"

#include "billperiod.h"
#include "log/connectiontable.h"
#include "platform/dateparser.h"
#include "tariff/billplan.h"

#include <QMap>
#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
struct Call {
    QDate day;
    int slot = 0;
};
} // namespace

void VolumeCharges::apply(ConnectionTable& table, const BillPlan& plan)
{
    const int count = table.connectioncount();
    for (int n = 1; n <= count; ++n)
        table[n].volumeCost = 0.0f;
    if (!plan.pricesVolume())
        return;

    // The calls of each bill, by the bill's first day; a call without a date is in no bill.
    QMap<QDate, QList<Call>> bills;
    for (int n = 1; n <= count; ++n) {
        if (const std::optional<QDate> day = DateParser::parseDate(table[n].conndate))
            bills[BillPeriod::containing(*day, plan.billDay()).first()] << Call{*day, n};
    }
    const quint64 allowance = plan.allowanceBytes().value_or(0);
    for (QList<Call>& calls : bills) {
        // In the order they started, whatever the order of the table.
        std::stable_sort(calls.begin(), calls.end(), [&table](const Call& a, const Call& b) {
            if (a.day != b.day)
                return a.day < b.day;
            return table[a.slot].starttime < table[b.slot].starttime;
        });
        quint64 left = allowance;
        for (const Call& call : std::as_const(calls)) {
            ConnectionRecord& record = table[call.slot];
            const std::optional<quint64> bytes = record.volume();
            if (!bytes) {
                record.volumeCost = std::nullopt;
                continue;
            }
            const quint64 covered = std::min(*bytes, left);
            left -= covered;
            const double price = plan.volumePrice(*bytes - covered);
            // A price beyond what a cost can hold is no figure to add up.
            if (!std::isfinite(price) || price > double(std::numeric_limits<float>::max()) ||
                !std::isfinite(record.cost + float(price))) {
                record.volumeCost = std::nullopt;
                continue;
            }
            record.volumeCost = float(price);
            record.cost += float(price);
        }
    }
}
