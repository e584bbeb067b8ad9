#pragma once

#include "syslogstamp.h"

#include <QByteArrayView>
#include <optional>

// A line of a syslog-style file that pppd logged: the stamp, then the host, then the identifier
// exactly "pppd" with its pid. The same text under another identifier (NetworkManager repeats
// pppd's lines under its own) is not pppd's.
class SyslogLine
{
public:
    struct Pppd {
        SyslogStamp stamp;
        qint64 pid = 0;
        QByteArrayView message; // what follows "pppd[pid]: "
    };

    // The line without its line end (a CR before it is dropped here).
    static std::optional<Pppd> parsePppd(QByteArrayView line);
    // The first "pppd[" in [from, end), or end: the cheap test that finds the lines to parse.
    static const char* findPppd(const char* from, const char* end);
};
