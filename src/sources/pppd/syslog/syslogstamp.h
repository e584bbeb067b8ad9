#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <optional>

// The timestamp at the start of a syslog-style line: the classic "Jan  3 21:16:29" without a
// year, in the local time of the machine that wrote it (also journalctl's "short", with the day
// padded by a zero, and "short-precise"); or an ISO 8601 / RFC 3339 stamp with its offset from
// UTC (rsyslog's "2026-12-08T14:20:08.437916+00:00", journalctl's "short-iso" with "+0000" and
// "short-iso-precise").
struct SyslogStamp {
    bool classic = false;
    // Classic stamps only: the month (1-12) and day, and the time of day in milliseconds.
    int month = 0;
    int day = 0;
    int msecsOfDay = 0;
    // ISO stamps only: the moment, in milliseconds since the epoch.
    qint64 utcMsecs = 0;
    // The stamp's length in the line.
    qsizetype length = 0;

    static std::optional<SyslogStamp> parse(QByteArrayView line);
};
