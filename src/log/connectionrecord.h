#pragma once

#include "bytecount.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// The fields of one connection. The three texts come from the logs; the rest is derived at
// every load and never stored in a file.
struct ConnectionRecord {
    QString conndate;  // the day the connection was established, any form the date parser reads
    QString starttime; // hh:mm:ss
    QString endtime;   // hh:mm:ss; equal to starttime when the end is unknown
    qint16 durhours = 0;
    qint16 durmins = 0;
    qint16 dursecs = 0;
    float cost = 0.0f;
    QString otherinfo; // a marker, "ERROR", the user's extra information, or empty
    // Bytes sent and received, where the source of the connection records them; unknown (not
    // zero) otherwise. Kept apart from the own log, whose records hold only the three texts.
    std::optional<quint64> sentBytes;
    std::optional<quint64> receivedBytes;
    // The length in seconds where the source measures it (pppd's calls): it holds what the clock
    // texts cannot, a call longer than a day or a clock stepped during the call. Unknown
    // otherwise (the modem log), and the length comes from the texts. Kept apart like the bytes.
    std::optional<qint64> measuredSeconds;
    // The name the source gives the connection (NetworkManager's name of a mobile connection):
    // its other information in place of the program's markers. Kept apart like the bytes.
    QString name;
    // The part of cost that pays for bytes beyond a data plan's allowance; unknown where bytes
    // are priced and the call's are not known, when cost holds the time cost alone.
    std::optional<float> volumeCost = 0.0f;

    // An always-on link stays up for days, but not for a year: a longer length is a clock's.
    static constexpr qint64 LongestCall = 366LL * 24 * 60 * 60;

    // Bytes sent and received, as providers bill them; none when the source records neither.
    std::optional<quint64> volume() const;

    bool operator==(const ConnectionRecord&) const = default;
};

inline std::optional<quint64> ConnectionRecord::volume() const
{
    if (!sentBytes && !receivedBytes)
        return std::nullopt;
    return ByteCount::sum(sentBytes.value_or(0), receivedBytes.value_or(0));
}
