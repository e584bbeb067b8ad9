#include "syslogline.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace
{
constexpr QByteArrayView Identifier("pppd[");
constexpr qsizetype MaxPidDigits = 10;
} // namespace

std::optional<SyslogLine::Pppd> SyslogLine::parsePppd(QByteArrayView line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    const std::optional<SyslogStamp> stamp = SyslogStamp::parse(line);
    if (!stamp)
        return std::nullopt;
    // " host pppd[1234]: message"
    qsizetype at = stamp->length;
    if (at >= line.size() || line[at] != ' ')
        return std::nullopt;
    const qsizetype host = ++at;
    while (at < line.size() && line[at] != ' ')
        ++at;
    if (at == host || at >= line.size())
        return std::nullopt;
    ++at;
    if (!line.sliced(at).startsWith(Identifier))
        return std::nullopt;
    at += Identifier.size();
    qint64 pid = 0;
    const qsizetype digits = at;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9' && at - digits < MaxPidDigits)
        pid = pid * 10 + (line[at++] - '0');
    if (at == digits || !line.sliced(at).startsWith("]: "))
        return std::nullopt;
    return Pppd{*stamp, pid, line.sliced(at + 3)};
}

const char* SyslogLine::findPppd(const char* from, const char* end)
{
#if defined(__SSE2__)
    // Sixteen places at a time: 'p' at a place and '[' four after it, then the three letters
    // between. Several times faster than a general search on a log where pppd is rare.
    const __m128i first = _mm_set1_epi8('p');
    const __m128i last = _mm_set1_epi8('[');
    while (end - from >= 16 + Identifier.size() - 1) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i later = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 4));
        unsigned mask = unsigned(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(here, first), _mm_cmpeq_epi8(later, last))));
        while (mask != 0) {
            const int bit = __builtin_ctz(mask);
            if (std::memcmp(from + bit + 1, Identifier.data() + 1, 3) == 0)
                return from + bit;
            mask &= mask - 1;
        }
        from += 16;
    }
#endif
    const void* found =
        end - from >= Identifier.size()
            ? ::memmem(from, size_t(end - from), Identifier.data(), size_t(Identifier.size()))
            : nullptr;
    return found ? static_cast<const char*>(found) : end;
}
