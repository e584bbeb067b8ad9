#pragma once

#include "sources/pppd/pppdrecord.h"
#include "syslogstamp.h"

#include <QByteArrayView>
#include <optional>

// A line of a syslog-style file that pppd, ModemManager or NetworkManager logged: the stamp,
// then the host, then the identifier exactly "pppd", "ModemManager" or "NetworkManager" with its
// pid. The same text under another identifier (NetworkManager repeats pppd's lines under its
// own) is not that program's.
class SyslogLine
{
public:
    struct Record {
        SyslogStamp stamp;
        PppdRecord::Program program = PppdRecord::Program::Pppd;
        qint64 pid = 0;
        QByteArrayView message; // what follows "pppd[pid]: "
    };

    // The line without its line end (a CR before it is dropped here).
    static std::optional<Record> parseRecord(QByteArrayView line);
    // The first "pppd[" or "ModemManager[" in [from, end), or "NetworkManager[" of a line with
    // "Activation:" after it, or end: the cheap test that finds the lines to parse.
    static const char* findRecord(const char* from, const char* end);
};
