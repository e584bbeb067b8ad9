#include "syslogline.h"

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace
{
struct Identifier {
    QByteArrayView text; // with its '['
    PppdRecord::Program program;
};
constexpr std::array<Identifier, 3> Identifiers{{
    {"pppd[", PppdRecord::Program::Pppd},
    {"ModemManager[", PppdRecord::Program::ModemManager},
    {"NetworkManager[", PppdRecord::Program::NetworkManager},
}};
[[maybe_unused]] constexpr qsizetype Longest = 15; // "NetworkManager["
constexpr qsizetype MaxPidDigits = 10;

// The identifier that starts at `at`, if any.
const Identifier* identifierAt(const char* at, const char* end)
{
    for (const Identifier& identifier : Identifiers) {
        if (end - at >= identifier.text.size() &&
            std::memcmp(at, identifier.text.data(), size_t(identifier.text.size())) == 0)
            return &identifier;
    }
    return nullptr;
}
} // namespace

std::optional<SyslogLine::Record> SyslogLine::parseRecord(QByteArrayView line)
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
    const Identifier* identifier = identifierAt(line.data() + at, line.data() + line.size());
    if (!identifier)
        return std::nullopt;
    at += identifier->text.size();
    qint64 pid = 0;
    const qsizetype digits = at;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9' && at - digits < MaxPidDigits)
        pid = pid * 10 + (line[at++] - '0');
    if (at == digits || !line.sliced(at).startsWith("]: "))
        return std::nullopt;
    return Record{*stamp, identifier->program, pid, line.sliced(at + 3)};
}

const char* SyslogLine::findRecord(const char* from, const char* end)
{
#if defined(__SSE2__)
    // Sixteen places at a time: 'p' at a place and '[' four after it ("pppd["), or 'M' and '['
    // seven after it ("Manager[", which both managers end with), then the letters. Several
    // times faster than a general search on a log where these programs are rare.
    const __m128i bracket = _mm_set1_epi8('[');
    const __m128i p = _mm_set1_epi8('p');
    const __m128i m = _mm_set1_epi8('M');
    const char* const start = from;
    while (end - from >= 16 + 7) {
        const auto at = [from](qsizetype offset) {
            return _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + offset));
        };
        const __m128i here = at(0);
        const __m128i pppd = _mm_and_si128(_mm_cmpeq_epi8(here, p), _mm_cmpeq_epi8(at(4), bracket));
        const __m128i manager =
            _mm_and_si128(_mm_cmpeq_epi8(here, m), _mm_cmpeq_epi8(at(7), bracket));
        unsigned mask = unsigned(_mm_movemask_epi8(_mm_or_si128(pppd, manager)));
        while (mask != 0) {
            const char* hit = from + __builtin_ctz(mask);
            mask &= mask - 1;
            if (*hit == 'p') {
                if (identifierAt(hit, end))
                    return hit;
                continue;
            }
            // The manager's name ends here: it starts where its first part does.
            for (const Identifier& identifier : Identifiers) {
                const char* named = hit + 8 - identifier.text.size();
                if (identifier.program != PppdRecord::Program::Pppd && named >= start &&
                    identifierAt(named, end) == &identifier)
                    return named;
            }
        }
        from += 16;
    }
    // A manager's name may begin before the places left, its "Manager[" among them.
    from = qMax(start, from - (Longest - 8));
#endif
    for (; from < end; ++from) {
        if ((*from == 'p' || *from == 'M' || *from == 'N') && identifierAt(from, end))
            return from;
    }
    return end;
}
