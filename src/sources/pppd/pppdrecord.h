#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

// Where an entry stands on the monotonic clock of the boot it was logged in, which no change of
// the wall clock moves.
struct BootClock {
    QByteArray boot;  // the boot's id
    quint64 usec = 0; // since that boot started

    bool operator==(const BootClock&) const = default;
};

// One line pppd or ModemManager logged, wherever it was read from (a syslog-style file or the
// journal): when, which process, and the message text after "pppd[pid]: ".
struct PppdRecord {
    // The program that logged it, by its identifier. NetworkManager's records tell only the
    // names of the connections it starts.
    enum class Program { Pppd, ModemManager, NetworkManager };

    QDateTime when; // a moment in time; shown in the local time zone
    Program program = Program::Pppd;
    qint64 pid = 0;
    QString message;
    // Known for the journal's entries only.
    std::optional<BootClock> monotonic;

    bool operator==(const PppdRecord&) const = default;

    // The identifier the program logs under.
    static QLatin1String identifier(Program program)
    {
        switch (program) {
        case Program::ModemManager:
            return QLatin1String("ModemManager");
        case Program::NetworkManager:
            return QLatin1String("NetworkManager");
        case Program::Pppd:
            break;
        }
        return QLatin1String("pppd");
    }
};
