#pragma once

#include <QStringView>
#include <QtGlobal>
#include <optional>

// What one of ModemManager's messages says about a modem's connection, from the texts versions
// 1.8 to 1.22 log at level info, with or without the level tag ("<info>  ", "<msg>  ").
class ModemManagerMessage
{
public:
    // "[modem0] state changed (connecting -> connected)" (1.14 and later), or "Modem
    // /org/freedesktop/ModemManager1/Modem/0: state changed (connecting -> connected)" (up to
    // 1.12, which logs no "finished" line).
    struct StateChange {
        QStringView modem; // "modem0", or the modem's object path
        QStringView from;
        QStringView to;
        bool finishLogged = false; // the modem's version logs each bearer's "finished" line

        bool connects() const { return to == u"connected" && from != u"connected"; }
        bool disconnects() const { return from == u"connected" && to != u"connected"; }
    };
    // "[modem0/bearer1] connection #1 finished: duration 45s, tx: 1234 bytes, rx: 5678 bytes";
    // the counters only where the modem reports them.
    struct Finished {
        QStringView modem; // "modem0"
        qint64 seconds = 0;
        std::optional<quint64> sent;
        std::optional<quint64> received;
    };

    static std::optional<StateChange> stateChange(QStringView message);
    static std::optional<Finished> finished(QStringView message);
};
