#pragma once

#include <QtGlobal>
#include <limits>

// Counts of bytes sent and received. pppd's counters are 64 bits wide, but no call comes near
// that: a count beyond Largest is a damaged figure, and a sum of real ones never wraps.
class ByteCount
{
public:
    // 2^53 bytes (9 PB) would take a gigabit link running flat out more than two years; it is
    // also the largest count a double (the budget's arithmetic) holds exactly.
    static constexpr quint64 Largest = quint64(1) << 53;

    static bool isReal(quint64 count) { return count <= Largest; }
    // Stops at the largest number it can hold: a total that wrapped would show a few bytes.
    static quint64 sum(quint64 a, quint64 b)
    {
        constexpr quint64 Most = std::numeric_limits<quint64>::max();
        return a > Most - b ? Most : a + b;
    }
};
