#include "pppdconnection.h"

#include "platform/formats.h"

namespace
{
QString clockText(const QTime& time)
{
    return time.toString(QStringLiteral("hh:mm:ss"));
}
} // namespace

DatedConnection PppdConnection::toDated() const
{
    const QDateTime localStart = start.toLocalTime();
    DatedConnection connection;
    connection.date = localStart.date();
    connection.record.conndate = Formats::ddMmmYy(connection.date);
    connection.record.starttime = clockText(localStart.time());
    connection.record.endtime =
        end ? clockText(end->toLocalTime().time()) : connection.record.starttime;
    connection.record.sentBytes = sentBytes;
    connection.record.receivedBytes = receivedBytes;
    connection.fromOwnLog = false;
    connection.inProgress = inProgress();
    return connection;
}
