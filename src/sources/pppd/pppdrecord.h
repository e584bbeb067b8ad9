#pragma once

#include <QDateTime>
#include <QString>

// One line pppd logged, wherever it was read from (a syslog-style file or the journal): when,
// which pppd process, and the message text after "pppd[pid]: ".
struct PppdRecord {
    QDateTime when; // a moment in time; shown in the local time zone
    qint64 pid = 0;
    QString message;

    bool operator==(const PppdRecord&) const = default;
};
