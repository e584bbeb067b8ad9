#include "pppdconnection.h"

#include "platform/formats.h"

namespace
{
// pppd's connect time runs from IP-up to IP-down in tenths of a minute, and the line that ends
// the link may come a while after IP went down: they part by a few seconds, a clock step by more.
constexpr qint64 Agreement = 10 * 60;
constexpr qint64 UsecPerSecond = 1000000;

QString clockText(const QTime& time)
{
    return time.toString(QStringLiteral("hh:mm:ss"));
}

// Whole seconds since the epoch, as the hh:mm:ss texts count them.
qint64 wholeSeconds(qint64 usec)
{
    return usec >= 0 ? usec / UsecPerSecond : -((-usec + UsecPerSecond - 1) / UsecPerSecond);
}

qint64 usecOf(const QDateTime& moment)
{
    return moment.toMSecsSinceEpoch() * 1000;
}

bool sensible(qint64 seconds)
{
    return seconds >= 0 && seconds <= ConnectionRecord::LongestCall;
}
} // namespace

std::optional<qint64> PppdConnection::measuredSeconds() const
{
    if (!end)
        return std::nullopt;
    if (statedSeconds)
        return statedSeconds;
    const qint64 started = usecOf(start);
    if (startClock && endClock && startClock->boot == endClock->boot &&
        endClock->usec >= startClock->usec &&
        endClock->usec - startClock->usec <=
            quint64(ConnectionRecord::LongestCall) * UsecPerSecond) {
        // Counted to where the time that passed puts the end on the start's clock, so that it
        // is what the texts say whenever no clock moved.
        const qint64 elapsed = qint64(endClock->usec - startClock->usec);
        return wholeSeconds(started + elapsed) - wholeSeconds(started);
    }
    const qint64 wall = wholeSeconds(usecOf(*end)) - wholeSeconds(started);
    std::optional<qint64> byPppd;
    if (pppdSeconds) {
        // pppd counts from IP-up; the negotiation before it comes from the clock, if sensible.
        const qint64 negotiation = ipUp ? wholeSeconds(usecOf(*ipUp)) - wholeSeconds(started) : 0;
        byPppd = *pppdSeconds + (sensible(negotiation) ? negotiation : 0);
    }
    if (sensible(wall) && (!byPppd || qAbs(wall - *byPppd) <= Agreement))
        return wall;
    if (byPppd && sensible(*byPppd))
        return byPppd;
    return 0;
}

DatedConnection PppdConnection::toDated() const
{
    const QDateTime localStart = start.toLocalTime();
    DatedConnection connection;
    connection.date = localStart.date();
    connection.record.conndate = Formats::ddMmmYy(connection.date);
    connection.record.starttime = clockText(localStart.time());
    connection.record.endtime =
        end ? clockText(end->toLocalTime().time()) : connection.record.starttime;
    connection.record.name = name;
    connection.record.sentBytes = sentBytes;
    connection.record.receivedBytes = receivedBytes;
    connection.record.measuredSeconds = measuredSeconds();
    connection.fromOwnLog = false;
    connection.inProgress = inProgress();
    return connection;
}
