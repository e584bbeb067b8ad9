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
    // Costed by the tariff's own rules, as if it ended now; an always-on link's days all count.
    auto table = std::make_unique<ConnectionTable>();
    ConnectionRecord soFar = call.record;
    soFar.conndate = Formats::isoDate(call.date);
    soFar.endtime = now.time().toString(QStringLiteral("hh:mm:ss"));
    soFar.measuredSeconds = lasted;
    table->append(soFar);
    coster.findvariables(*table, 1);
    const ConnectionRecord& costed = (*table)[1];
    // Past a day, the time alone would not say which day it began.
    constexpr qint64 Day = 24 * 60 * 60;
    const QString since =
        lasted >= Day ? Formats::dddDMmm(call.date) + QLatin1Char(' ') + call.record.starttime
                      : call.record.starttime;
    return QStringLiteral("Connected since %1: %2 so far, %3")
        .arg(since, Formats::totalTime(costed.durhours, costed.durmins, costed.dursecs),
             Formats::currency(costed.cost));
}
