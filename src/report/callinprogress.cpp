#include "callinprogress.h"

#include "log/connectiontable.h"
#include "platform/dateparser.h"
#include "platform/formats.h"
#include "tariff/callcoster.h"

#include <memory>

QString CallInProgress::statusText(const QList<DatedConnection>& calls, const CallCoster& coster,
                                   const QDateTime& now)
{
    if (calls.isEmpty())
        return {};
    const DatedConnection& call = calls.constLast();
    const std::optional<QTime> start = DateParser::parseTime(call.record.starttime);
    if (!start)
        return {};
    const qint64 lasted = QDateTime(call.date, *start).secsTo(now);
    if (lasted < 0)
        return {};
    constexpr qint64 Day = 24 * 60 * 60;
    if (lasted >= Day) {
        // The tariff's costing measures a call within a day: past one, its time so far alone,
        // and the day it began.
        return QStringLiteral("Connected since %1 %2: %3 so far")
            .arg(Formats::dddDMmm(call.date), call.record.starttime,
                 Formats::totalTime(lasted / 3600, lasted % 3600 / 60, lasted % 60));
    }
    // Costed by the tariff's own rules, as if it ended now.
    auto table = std::make_unique<ConnectionTable>();
    ConnectionRecord soFar = call.record;
    soFar.conndate = Formats::isoDate(call.date);
    soFar.endtime = now.time().toString(QStringLiteral("hh:mm:ss"));
    table->append(soFar);
    coster.findvariables(*table, 1);
    const ConnectionRecord& costed = (*table)[1];
    return QStringLiteral("Connected since %1: %2 so far, %3")
        .arg(call.record.starttime,
             Formats::totalTime(costed.durhours, costed.durmins, costed.dursecs),
             Formats::currency(costed.cost));
}
