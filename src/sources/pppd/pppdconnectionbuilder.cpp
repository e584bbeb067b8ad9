#include "pppdconnectionbuilder.h"

#include "log/bytecount.h"
#include "pppdmessage.h"

#include <QHash>
#include <vector>

namespace
{

struct Link {
    PppdConnection connection;
    bool carriedIp = false;
    // IP came up since the last stats line: pppd logs the counters when IP goes down, which
    // may be before or after the line that ends the link.
    bool statsDue = false;
    // Nothing more of the link can come: its process exited, started again or connected anew,
    // or the link ended and no stats are due.
    bool settled = false;

    bool open() const { return !connection.end && !connection.processLost; }
    void endAt(const PppdRecord& record)
    {
        if (!open())
            return;
        connection.end = record.when;
        connection.endClock = record.monotonic;
        if (!statsDue)
            settled = true;
    }
};

} // namespace

PppdConnectionBuilder::Result PppdConnectionBuilder::build(const QList<PppdRecord>& records)
{
    std::vector<Link> links;
    // Each process's latest link: its lines, the stats after the end among them, belong to it
    // until the process connects again or is gone.
    QHash<qint64, size_t> latest;

    for (qsizetype index = 0; index < records.size(); ++index) {
        const PppdRecord& record = records.at(index);
        const PppdMessage::Kind kind = PppdMessage::kind(record.message);
        if (kind == PppdMessage::Kind::Other)
            continue;
        const auto found = latest.constFind(record.pid);
        Link* link = found != latest.constEnd() ? &links[*found] : nullptr;

        switch (kind) {
        case PppdMessage::Kind::Started:
            // The pid was given to a new process: the old one is gone, whatever it last logged.
            if (link) {
                link->connection.processLost = link->open();
                link->settled = true;
                latest.remove(record.pid);
            }
            break;
        case PppdMessage::Kind::Connect: {
            if (link) {
                link->endAt(record);
                link->settled = true;
            }
            Link next;
            next.connection.start = record.when;
            next.connection.startClock = record.monotonic;
            next.connection.pid = record.pid;
            next.connection.connectRecord = index;
            links.push_back(next);
            latest.insert(record.pid, links.size() - 1);
            break;
        }
        case PppdMessage::Kind::IpUp:
            if (link && link->open()) {
                if (!link->carriedIp)
                    link->connection.ipUp = record.when;
                link->carriedIp = true;
                link->statsDue = true;
            }
            break;
        case PppdMessage::Kind::End:
            if (link)
                link->endAt(record);
            break;
        case PppdMessage::Kind::Exit:
            if (link) {
                link->endAt(record);
                link->settled = true;
                latest.remove(record.pid);
            }
            break;
        case PppdMessage::Kind::Stats:
            if (link) {
                const PppdMessage::Counters counters = *PppdMessage::counters(record.message);
                PppdConnection& connection = link->connection;
                connection.sentBytes =
                    ByteCount::sum(connection.sentBytes.value_or(0), counters.sent);
                connection.receivedBytes =
                    ByteCount::sum(connection.receivedBytes.value_or(0), counters.received);
                link->statsDue = false;
                if (!link->open())
                    link->settled = true;
            }
            break;
        case PppdMessage::Kind::ConnectTime:
            // Logged with the stats, for each time IP went down.
            if (link)
                link->connection.pppdSeconds = link->connection.pppdSeconds.value_or(0) +
                                               *PppdMessage::connectSeconds(record.message);
            break;
        case PppdMessage::Kind::Other:
            break;
        }
    }

    Result result;
    result.resumeAt = records.size();
    for (const Link& link : links) {
        if (!link.settled)
            result.resumeAt = qMin(result.resumeAt, link.connection.connectRecord);
        if (link.carriedIp)
            result.connections.append(link.connection);
    }
    return result;
}
