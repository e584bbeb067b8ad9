#include "callinprogress.h"

#include "log/connectiontable.h"
#include "platform/dateparser.h"
#include "platform/formats.h"
#include "tariff/callcoster.h"

#include <memory>

QString CallInProgress::statusText(const ConnectionTable& table, const CallCoster& coster,
                                   const QDateTime& now)
{
    const int count = table.connectioncount();
    if (count == 0 || table[count].endtime != table[count].starttime)
        return {};
    const ConnectionRecord& last = table[count];
    const std::optional<QDate> day = DateParser::parseDate(last.conndate);
    const std::optional<QTime> start = DateParser::parseTime(last.starttime);
    if (!day || !start)
        return {};
    const qint64 lasted = QDateTime(*day, *start).secsTo(now);
    if (lasted <= 0 || lasted >= 24 * 60 * 60)
        return {};
    // Costed by the tariff's own rules, as if the call ended now.
    auto call = std::make_unique<ConnectionTable>();
    ConnectionRecord soFar = last;
    soFar.endtime = now.time().toString(QStringLiteral("hh:mm:ss"));
    call->append(soFar);
    coster.findvariables(*call, 1);
    const ConnectionRecord& costed = (*call)[1];
    return QStringLiteral("Connected since %1: %2 so far, %3")
        .arg(last.starttime, Formats::totalTime(costed.durhours, costed.durmins, costed.dursecs),
             Formats::currency(costed.cost));
}
