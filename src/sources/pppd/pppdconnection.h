#pragma once

#include "log/datedconnection.h"
#include "pppdrecord.h"

#include <QDateTime>
#include <QtGlobal>
#include <optional>

// One pppd link that carried IP: from its "Connect:" line to the first line that ends it. A
// ModemManager bearer's session is one too: it carries IP from "connected" to its end.
struct PppdConnection {
    QDateTime start;
    // None while the call is in progress, or when its process went away without logging an end.
    std::optional<QDateTime> end;
    // The sum of the link's stats lines; none when pppd logged none (not zero).
    std::optional<quint64> sentBytes;
    std::optional<quint64> receivedBytes;
    qint64 pid = 0;
    // Its interface ("ppp0"), which the kernel gives to one link at a time.
    QString interfaceName;
    // The index of the "Connect:" record in the list the connection was built from, so that a
    // reader can read a call in progress again from its start; -1 for a link carried on from an
    // earlier list.
    qsizetype connectRecord = -1;
    // A new process of the same pid started before this one logged the end of the link.
    bool processLost = false;
    // The monotonic clock at the Connect: and at the end, where the records tell it.
    std::optional<BootClock> startClock;
    std::optional<BootClock> endClock;
    // The link's first "local  IP address": pppd's own connect time counts from there.
    std::optional<QDateTime> ipUp;
    // pppd's "Connect time N.N minutes." lines of the link, added up, in seconds.
    std::optional<qint64> pppdSeconds;
    // The length the program that made the call logged at its end (ModemManager's duration): it
    // counts the call itself, so no clock tells it better.
    std::optional<qint64> statedSeconds;
    // The name of the connection, where the records tell it: the call's other information.
    QString name;

    bool inProgress() const { return !end && !processLost; }
    // How long the call lasted; none while its end is unknown. The stated length when there is
    // one. Within one boot the monotonic
    // clock tells; else the wall clock, unless it went back, jumped a year or parts from pppd's
    // own connect time, which then tells. A call whose clock moved and that pppd did not time
    // is 0 seconds long: never negative or a day.
    std::optional<qint64> measuredSeconds() const;
    // In the local time zone, as the load collects connections: the end is the start when it is
    // unknown.
    DatedConnection toDated() const;

    bool operator==(const PppdConnection&) const = default;
};
