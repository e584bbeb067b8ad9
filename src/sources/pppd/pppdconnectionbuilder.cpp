#include "pppdconnectionbuilder.h"

#include "log/bytecount.h"
#include "pppdmessage.h"
#include "recordmoment.h"

#include <QHash>
#include <QSet>
#include <vector>

namespace
{

struct Link {
    PppdOpenLink state;
    // Carried in from an earlier build: its "Connect:" is not among these records.
    bool carried = false;
    // Nothing more of the link can come: its process exited, started again or connected anew,
    // or the link ended and no stats are due.
    bool settled = false;

    bool open() const { return state.open(); }
    void endAt(const PppdRecord& record)
    {
        if (!open())
            return;
        state.connection.end = record.when;
        state.connection.endClock = record.monotonic;
        if (!state.statsDue)
            settled = true;
    }
    void take(const PppdRecord& record)
    {
        if (record.when != state.lastTaken) {
            state.lastTaken = record.when;
            state.lastMessages.clear();
        }
        state.lastMessages << record.message;
    }
};

bool isConnectOf(const PppdOpenLink& link, const PppdRecord& record)
{
    return record.when == link.connection.start &&
           PppdMessage::kind(record.message) == PppdMessage::Kind::Connect;
}

// The carried links to carry on with, and for each of their processes the last record they
// took already (-1 for none among these records). A link whose "Connect:" is among the records
// is left out: these records hold all of it.
struct Carry {
    std::vector<Link> links;
    QHash<qint64, qsizetype> takenUpTo;
};

Carry carryOn(const QList<PppdRecord>& records, const QList<PppdOpenLink>& carried)
{
    QHash<qint64, const PppdOpenLink*> byPid;
    for (const PppdOpenLink& link : carried)
        byPid.insert(link.connection.pid, &link);
    QSet<qint64> readAgain;
    QHash<qint64, qsizetype> takenUpTo;
    for (qsizetype index = 0; index < records.size() && !byPid.isEmpty(); ++index) {
        const PppdRecord& record = records.at(index);
        const auto found = byPid.constFind(record.pid);
        if (found == byPid.constEnd() || record.program != PppdRecord::Program::Pppd)
            continue;
        const PppdOpenLink& link = **found;
        if (isConnectOf(link, record))
            readAgain.insert(record.pid);
        else if (record.when == link.lastTaken && link.lastMessages.contains(record.message))
            takenUpTo.insert(record.pid, index);
    }
    Carry carry;
    for (const PppdOpenLink& open : carried) {
        if (readAgain.contains(open.connection.pid))
            continue;
        Link link;
        link.state = open;
        link.state.connection.connectRecord = -1;
        link.carried = true;
        carry.links.push_back(link);
        carry.takenUpTo.insert(open.connection.pid, takenUpTo.value(open.connection.pid, -1));
    }
    return carry;
}

} // namespace

PppdConnectionBuilder::Result PppdConnectionBuilder::build(const QList<PppdRecord>& records,
                                                           const QList<PppdOpenLink>& carried)
{
    Carry carry = carryOn(records, carried);
    std::vector<Link>& links = carry.links;
    // Each process's latest link: its lines, the stats after the end among them, belong to it
    // until the process connects again or is gone.
    QHash<qint64, size_t> latest;
    for (size_t i = 0; i < links.size(); ++i)
        latest.insert(links[i].state.connection.pid, i);
    RecordMoment moment;
    // An open link whose process cannot have gone on: it ends as lost, its end unknown.
    const auto lose = [&](Link& gone) {
        gone.state.connection.processLost = gone.open();
        gone.settled = true;
    };
    QByteArray boot; // of the records being read, where the journal tells it

    for (qsizetype index = 0; index < records.size(); ++index) {
        const PppdRecord& record = records.at(index);
        if (record.program != PppdRecord::Program::Pppd || !moment.take(record))
            continue;
        const PppdMessage::Kind kind = PppdMessage::kind(record.message);
        if (kind == PppdMessage::Kind::Other)
            continue;
        const auto upTo = carry.takenUpTo.constFind(record.pid);
        if (upTo != carry.takenUpTo.constEnd() && index <= *upTo)
            continue;
        if (record.monotonic && record.monotonic->boot != boot) {
            // A new boot: no process of an earlier one logs again (a power cut logs no end).
            boot = record.monotonic->boot;
            for (auto it = latest.begin(); it != latest.end();) {
                const std::optional<BootClock>& started = links[*it].state.connection.startClock;
                if (started && started->boot != boot) {
                    lose(links[*it]);
                    it = latest.erase(it);
                } else {
                    ++it;
                }
            }
        }
        const auto found = latest.constFind(record.pid);
        Link* link = found != latest.constEnd() ? &links[*found] : nullptr;
        if (link)
            link->take(record);

        switch (kind) {
        case PppdMessage::Kind::Started:
            // The pid was given to a new process: the old one is gone, whatever it last logged.
            if (link) {
                lose(*link);
                latest.remove(record.pid);
            }
            break;
        case PppdMessage::Kind::Connect: {
            if (link) {
                link->endAt(record);
                link->settled = true;
            }
            // The kernel gives an interface to one link at a time: another process's link on it
            // is over, though its end was never logged.
            const QString interfaceName = PppdMessage::connectInterface(record.message).toString();
            for (const size_t other : std::as_const(latest)) {
                if (links[other].state.connection.pid != record.pid &&
                    links[other].state.connection.interfaceName == interfaceName)
                    lose(links[other]);
            }
            Link next;
            next.state.connection.interfaceName = interfaceName;
            next.state.connection.start = record.when;
            next.state.connection.startClock = record.monotonic;
            next.state.connection.pid = record.pid;
            next.state.connection.connectRecord = index;
            next.take(record);
            links.push_back(next);
            latest.insert(record.pid, links.size() - 1);
            break;
        }
        case PppdMessage::Kind::IpUp:
            if (link && link->open()) {
                if (!link->state.carriedIp)
                    link->state.connection.ipUp = record.when;
                link->state.carriedIp = true;
                link->state.statsDue = true;
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
                PppdConnection& connection = link->state.connection;
                connection.sentBytes =
                    ByteCount::sum(connection.sentBytes.value_or(0), counters.sent);
                connection.receivedBytes =
                    ByteCount::sum(connection.receivedBytes.value_or(0), counters.received);
                link->state.statsDue = false;
                if (!link->open())
                    link->settled = true;
            }
            break;
        case PppdMessage::Kind::ConnectTime:
            // Logged with the stats, for each time IP went down.
            if (link)
                link->state.connection.pppdSeconds =
                    link->state.connection.pppdSeconds.value_or(0) +
                    *PppdMessage::connectSeconds(record.message);
            break;
        case PppdMessage::Kind::Other:
            break;
        }
    }

    Result result;
    result.resumeAt = records.size();
    for (const Link& link : links) {
        if (!link.settled) {
            result.open.append(link.state);
            if (!link.carried)
                result.resumeAt = qMin(result.resumeAt, link.state.connection.connectRecord);
        }
        if (link.state.carriedIp)
            result.connections.append(link.state.connection);
    }
    return result;
}
