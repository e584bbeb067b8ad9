#include "modemmanagercallbuilder.h"

#include "modemmanagermessage.h"
#include "sources/pppd/recordmoment.h"

#include <QHash>
#include <algorithm>
#include <limits>
#include <vector>

namespace
{
constexpr qint64 SameStart = ModemManagerCallBuilder::SameStart;
constexpr qint64 ActivationLead = ModemManagerCallBuilder::ActivationLead;

struct Modem {
    PppdConnection connected; // its latest "connected", as a call in progress
    qint64 pid = 0;           // the ModemManager process that logged it
    bool open = false;        // connected, and no end of it logged yet
    bool finishLogged = false;
};

// pppd's calls, to find at once whether one overlaps a span of time: by their starts, each with
// the latest end of those up to it.
class PppdSpans
{
public:
    explicit PppdSpans(const QList<PppdConnection>& calls)
    {
        for (const PppdConnection& call : calls)
            m_spans.push_back({call.start.toMSecsSinceEpoch(), endOf(call)});
        std::sort(m_spans.begin(), m_spans.end());
        for (size_t i = 1; i < m_spans.size(); ++i)
            m_spans[i].second = qMax(m_spans[i].second, m_spans[i - 1].second);
    }
    bool overlap(const PppdConnection& call) const
    {
        const qint64 start = call.start.toMSecsSinceEpoch();
        const auto after = std::upper_bound(
            m_spans.cbegin(), m_spans.cend(), endOf(call),
            [](qint64 end, const std::pair<qint64, qint64>& span) { return end < span.first; });
        return after != m_spans.cbegin() && std::prev(after)->second >= start;
    }

private:
    // A call in progress goes on; a lost call's end is unknown, so it is taken at its start.
    static qint64 endOf(const PppdConnection& call)
    {
        return call.end            ? call.end->toMSecsSinceEpoch()
               : call.inProgress() ? std::numeric_limits<qint64>::max()
                                   : call.start.toMSecsSinceEpoch();
    }
    std::vector<std::pair<qint64, qint64>> m_spans;
};

// The name of the connection NetworkManager last started before `start`, within the lead.
QString nameAt(const QList<PppdRecord>& activations, const QDateTime& start)
{
    const QDateTime earliest = start.addSecs(-ActivationLead);
    auto at = std::lower_bound(activations.cbegin(), activations.cend(), earliest,
                               [](const PppdRecord& a, const QDateTime& b) { return a.when < b; });
    QString name;
    for (; at != activations.cend() && at->when <= start.addSecs(SameStart); ++at) {
        if (const QString found = ModemManagerCallBuilder::activationName(at->message);
            !found.isEmpty())
            name = found;
    }
    return name;
}
} // namespace

QString ModemManagerCallBuilder::activationName(QStringView message)
{
    const QLatin1String device("device (");
    const QLatin1String activation(Activation);
    const qsizetype port = message.indexOf(device);
    const qsizetype at = message.indexOf(activation);
    if (port < 0 || at < port)
        return {};
    // Wi-Fi and Ethernet are started the same way; a modem is known by its control port.
    const QStringView portName = message.sliced(port + device.size(), at - port - device.size());
    if (!portName.startsWith(QLatin1String("cdc-wdm")) &&
        !portName.startsWith(QLatin1String("tty")) && !portName.startsWith(QLatin1String("wwan")))
        return {};
    const QStringView rest = message.sliced(at + activation.size());
    const qsizetype close = rest.lastIndexOf(QLatin1String("' ("));
    return close > 0 ? rest.first(close).toString() : QString();
}

ModemManagerCallBuilder::Result
ModemManagerCallBuilder::build(const QList<PppdRecord>& records,
                               const QList<PppdConnection>& pppdCalls,
                               const QList<PppdRecord>& names)
{
    Result result;
    result.resumeAt = records.size();
    QList<PppdConnection> calls;
    QHash<QString, Modem> modems;
    QList<PppdRecord> activations;
    RecordMoment moment;
    QByteArray boot; // of the records being read, where the journal tells it
    const auto lose = [&calls](Modem& modem) {
        if (!modem.open)
            return;
        modem.open = false;
        modem.connected.processLost = true;
        calls.append(modem.connected);
    };

    for (qsizetype index = 0; index < records.size(); ++index) {
        const PppdRecord& record = records.at(index);
        if (record.monotonic && record.monotonic->boot != boot) {
            // A new boot: no modem of an earlier one is still connected.
            boot = record.monotonic->boot;
            for (Modem& modem : modems) {
                const std::optional<BootClock>& started = modem.connected.startClock;
                if (started && started->boot != boot)
                    lose(modem);
            }
        }
        if (record.program == PppdRecord::Program::NetworkManager) {
            activations.append(record);
            continue;
        }
        if (record.program != PppdRecord::Program::ModemManager || !moment.take(record))
            continue;
        // Another ModemManager process: the modems of the one before are gone with it.
        for (Modem& modem : modems) {
            if (modem.pid != record.pid)
                lose(modem);
        }
        if (const auto change = ModemManagerMessage::stateChange(record.message)) {
            Modem& modem = modems[change->modem.toString()];
            if (change->connects() && !modem.open) {
                modem = Modem{};
                modem.open = true;
                modem.pid = record.pid;
                modem.finishLogged = change->finishLogged;
                modem.connected.start = record.when;
                modem.connected.startClock = record.monotonic;
                modem.connected.connectRecord = index;
                modem.connected.pid = record.pid;
                modem.connected.interfaceName = change->modem.toString();
            } else if (change->disconnects() && modem.open) {
                modem.open = false;
                // A version that logs the bearer's end gives the call there, with its length.
                if (!modem.finishLogged) {
                    PppdConnection call = modem.connected;
                    call.end = record.when;
                    call.endClock = record.monotonic;
                    calls.append(call);
                }
            }
        } else if (const auto finished = ModemManagerMessage::finished(record.message)) {
            Modem& modem = modems[finished->modem.toString()];
            PppdConnection call;
            call.end = record.when;
            call.endClock = record.monotonic;
            call.statedSeconds = finished->seconds;
            call.sentBytes = finished->sent;
            call.receivedBytes = finished->received;
            call.pid = record.pid;
            call.interfaceName = finished->modem.toString();
            call.start = record.when.addSecs(-finished->seconds);
            const QDateTime& connected = modem.connected.start;
            if (connected.isValid() && qAbs(connected.secsTo(call.start)) <= SameStart) {
                call.start = connected;
                call.connectRecord = modem.connected.connectRecord;
            }
            modem.open = false;
            calls.append(call);
        }
    }
    for (const Modem& modem : std::as_const(modems)) {
        if (modem.open) {
            calls.append(modem.connected);
            result.resumeAt = qMin(result.resumeAt, modem.connected.connectRecord);
        }
    }

    activations += names;
    std::stable_sort(activations.begin(), activations.end(),
                     [](const PppdRecord& a, const PppdRecord& b) { return a.when < b.when; });
    const PppdSpans pppd(pppdCalls);
    for (PppdConnection& call : calls) {
        if (pppd.overlap(call))
            continue;
        call.name = nameAt(activations, call.start);
        result.calls.append(call);
    }
    std::stable_sort(
        result.calls.begin(), result.calls.end(),
        [](const PppdConnection& a, const PppdConnection& b) { return a.start < b.start; });
    return result;
}
