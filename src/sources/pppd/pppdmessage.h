#pragma once

#include <QStringView>
#include <QtGlobal>
#include <optional>

// What one of pppd's messages says about its link, from the texts pppd 2.4 to 2.5 log.
class PppdMessage
{
public:
    enum class Kind {
        Other,
        Started, // "pppd 2.4.9 started by root, uid 0": a new process, whatever its pid was before
        Connect, // "Connect: ppp0 <--> /dev/ttyUSB0": the link is up
        IpUp,    // "local  IP address 10.0.0.2": the link carries IP
        End,     // "Connection terminated.", "Modem hangup", "Hangup (SIGHUP)",
                 // "Terminating on signal 15"
        Exit,    // "Exit.": the process is gone
        Stats,   // "Sent 1234 bytes, received 5678 bytes."
        ConnectTime, // "Connect time 28.7 minutes.": how long IP was up, by pppd's own clock
    };

    struct Counters {
        quint64 sent = 0;
        quint64 received = 0;
    };

    static Kind kind(QStringView message);
    // The counters of a stats line; 64-bit since pppd 2.5.2, so up to 20 digits each.
    static std::optional<Counters> counters(QStringView message);
    // The seconds of a connect time line (pppd counts in tenths of a minute).
    static std::optional<qint64> connectSeconds(QStringView message);
    // The interface of a "Connect:" line ("ppp0"); empty for any other line.
    static QStringView connectInterface(QStringView message);
};
