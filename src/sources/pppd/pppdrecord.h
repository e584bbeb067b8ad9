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

// One line pppd logged, wherever it was read from (a syslog-style file or the journal): when,
// which pppd process, and the message text after "pppd[pid]: ".
struct PppdRecord {
    QDateTime when; // a moment in time; shown in the local time zone
    qint64 pid = 0;
    QString message;
    // Known for the journal's entries only.
    std::optional<BootClock> monotonic;

    bool operator==(const PppdRecord&) const = default;
};
