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

namespace
{
constexpr QByteArrayView ActivationMark = "Activation:";

// The record that `at` shows, found from its telling letter: pppd's name from its 'p', the
// ModemManager's from its second 'M', NetworkManager's only from the "Activation:" of a line
// that names a connection (the one line of its many that counts). None before `start`.
const char* recordAt(const char* at, const char* start, const char* end)
{
    switch (*at) {
    case 'p':
        return identifierAt(at, end) == &Identifiers[0] ? at : nullptr;
    case 'M': {
        const char* named = at - 5; // "Modem"
        return named >= start && identifierAt(named, end) == &Identifiers[1] ? named : nullptr;
    }
    case 'A': {
        if (end - at < ActivationMark.size() ||
            std::memcmp(at, ActivationMark.data(), size_t(ActivationMark.size())) != 0)
            return nullptr;
        const QByteArrayView before(start, at);
        const qsizetype lineStart = before.lastIndexOf('\n') + 1;
        const qsizetype named = before.sliced(lineStart).lastIndexOf(Identifiers[2].text);
        return named < 0 ? nullptr : at - (before.size() - lineStart) + named;
    }
    default:
        return nullptr;
    }
}
} // namespace

const char* SyslogLine::findRecord(const char* from, const char* end)
{
    const char* const start = from;
#if defined(__SSE2__)
    // Sixteen places at a time: 'p' with '[' four on ("pppd["), 'M' with '[' seven on
    // ("Manager["), 'A' with ':' ten on ("Activation:"), then the letters. Several times faster
    // than a general search on a log where these programs are rare.
    const __m128i bracket = _mm_set1_epi8('[');
    const __m128i colon = _mm_set1_epi8(':');
    const __m128i p = _mm_set1_epi8('p');
    const __m128i m = _mm_set1_epi8('M');
    const __m128i a = _mm_set1_epi8('A');
    while (end - from >= 16 + 10) {
        const auto at = [from](qsizetype offset) {
            return _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + offset));
        };
        const __m128i here = at(0);
        const __m128i pppd = _mm_and_si128(_mm_cmpeq_epi8(here, p), _mm_cmpeq_epi8(at(4), bracket));
        const __m128i manager =
            _mm_and_si128(_mm_cmpeq_epi8(here, m), _mm_cmpeq_epi8(at(7), bracket));
        const __m128i activation =
            _mm_and_si128(_mm_cmpeq_epi8(here, a), _mm_cmpeq_epi8(at(10), colon));
        unsigned mask =
            unsigned(_mm_movemask_epi8(_mm_or_si128(pppd, _mm_or_si128(manager, activation))));
        while (mask != 0) {
            const char* hit = from + __builtin_ctz(mask);
            mask &= mask - 1;
            if (const char* found = recordAt(hit, start, end))
                return found;
        }
        from += 16;
    }
#endif
    for (; from < end; ++from) {
        if (const char* found = recordAt(from, start, end))
            return found;
    }
    return end;
}
