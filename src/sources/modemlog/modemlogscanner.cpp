#include "modemlogscanner.h"

#include "platform/dateparser.h"
#include "platform/formats.h"
#include "platform/progresssink.h"

#include <array>
#include <tuple>
#include <utility>

namespace
{

constexpr QByteArrayView Established("Connection established");
constexpr QByteArrayView HangUp("Hanging up the modem.");
// Both driver layouts put the date (10 characters), a space, the time and " - " right in front
// of the message. The time is 11 characters (9x) or 12 (2000/XP); only its first 8 (hh:mm:ss)
// are read.
constexpr QByteArrayView Separator(" - ");
constexpr qsizetype DateLength = 10;
constexpr qsizetype TimeLength = 8;
constexpr qsizetype LongestTime = 12;

struct Stamp {
    QByteArrayView date;
    QByteArrayView time;
};

// The date and time standing right in front of a phrase, or none. Only the few characters the
// layout allows are looked at, so the scan stays linear however long a line is (a log whose
// line breaks were lost is one line), and a phrase far from its line's start never takes that
// start's date.
std::optional<Stamp> stampOf(QByteArrayView log, qsizetype phrase)
{
    const qsizetype timeEnd = phrase - Separator.size();
    if (timeEnd < 0 || log.sliced(timeEnd, Separator.size()) != Separator)
        return std::nullopt;
    for (qsizetype length = TimeLength; length <= LongestTime; ++length) {
        const qsizetype timeStart = timeEnd - length;
        const qsizetype dateStart = timeStart - 1 - DateLength;
        if (dateStart < 0)
            return std::nullopt;
        if (log.at(timeStart - 1) != ' ')
            continue;
        // A stamp that runs over a line break is no line's own: a phrase at a line's start
        // would take the previous line's date, and lose it when compaction drops that line.
        const QByteArrayView stamp = log.sliced(dateStart, timeEnd - dateStart);
        if (stamp.contains('\n') || stamp.contains('\r'))
            return std::nullopt;
        return Stamp{log.sliced(dateStart, DateLength), log.sliced(timeStart, TimeLength)};
    }
    return std::nullopt;
}

bool isDigits(QByteArrayView text)
{
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return !text.isEmpty();
}

} // namespace

std::optional<QDate> ModemLogScanner::logDate(QByteArrayView text)
{
    if (text.size() != DateLength)
        return std::nullopt;
    const QByteArrayView month = text.sliced(0, 2);
    const QByteArrayView day = text.sliced(3, 2);
    const QByteArrayView year = text.sliced(6, 4);
    if (!isDigits(month) || !isDigits(day) || !isDigits(year))
        return std::nullopt;
    // Taken from the digits themselves: no month name to misread in any locale.
    const QDate date(year.toInt(), month.toInt(), day.toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

ModemLogScanner::ModemLogScanner(ProgressSink* progress, qint64 length)
    : m_progress(progress), m_length(length)
{
}

// Both phrases in one pass (Horspool's search for a set of words, aligned at their ends): a
// log of tens of megabytes is read about once, not once for each phrase.
class ModemLogScanner::PhraseFinder
{
public:
    static constexpr qsizetype Window = qMin(Established.size(), HangUp.size());

    PhraseFinder()
    {
        m_shift.fill(quint8(Window));
        for (const QByteArrayView phrase : {Established, HangUp}) {
            const QByteArrayView tail = phrase.last(Window);
            for (qsizetype j = 0; j + 1 < Window; ++j) {
                quint8& shift = m_shift[uchar(tail[j])];
                shift = qMin(shift, quint8(Window - 1 - j));
            }
        }
    }
    // The next phrase that starts at or after `from`: its position, and whether it is
    // "Connection established"; -1 when there is none.
    std::pair<qsizetype, bool> next(QByteArrayView text, qsizetype from) const
    {
        const char* data = text.data();
        for (qsizetype last = from + Window - 1; last < text.size();
             last += m_shift[uchar(data[last])]) {
            if (data[last] == Established.back()) {
                const qsizetype at = last + 1 - Established.size();
                if (at >= from && text.sliced(at, Established.size()) == Established)
                    return {at, true};
            } else if (data[last] == HangUp.back()) {
                const qsizetype at = last + 1 - HangUp.size();
                if (text.sliced(at, HangUp.size()) == HangUp)
                    return {at, false};
            }
        }
        return {-1, false};
    }

private:
    std::array<quint8, 256> m_shift{};
};

void ModemLogScanner::feed(QByteArrayView piece, qint64 offset)
{
    static const PhraseFinder finder;
    for (auto [at, established] = finder.next(piece, qMax<qint64>(0, m_next - offset)); at >= 0;
         std::tie(at, established) = finder.next(piece, at + 1)) {
        if (offset + at < m_next)
            continue; // found whole in the piece before
        m_next = offset + at + 1;
        if (established) {
            this->established(piece, at);
        } else {
            hungUp(piece, at);
            showProgress(offset + at);
        }
    }
    // A phrase that starts this near the end may run on into the next piece.
    m_next = qMax(m_next, offset + piece.size() - (qMax(Established.size(), HangUp.size()) - 1));
}

void ModemLogScanner::established(QByteArrayView piece, qsizetype at)
{
    // A connection that no hang-up ended before the next one began has no known end.
    if (m_open)
        close(m_open->starttime);
    Open open;
    if (const std::optional<Stamp> start = stampOf(piece, at)) {
        open.date = logDate(start->date);
        // Read as hh:mm:ss, so a damaged "10:05 PM" costs as 22:05 and not as a 10 o'clock call.
        open.starttime = DateParser::timeText(QString::fromLatin1(start->time));
    }
    m_open = open;
}

void ModemLogScanner::hungUp(QByteArrayView piece, qsizetype at)
{
    if (!m_open)
        return; // no connection waits for it
    const std::optional<Stamp> end = stampOf(piece, at);
    // A hang-up whose line cannot be read makes the end unreadable: the connection is dropped,
    // as one with a bad time would be.
    close(end ? DateParser::timeText(QString::fromLatin1(end->time)) : std::nullopt);
}

void ModemLogScanner::close(std::optional<QString> endtime)
{
    const Open open = *m_open;
    m_open.reset();
    if (!open.date || !open.starttime || !endtime)
        return;
    DatedConnection connection;
    connection.record.conndate = Formats::ddMmmYy(*open.date);
    connection.record.starttime = *open.starttime;
    connection.record.endtime = *endtime;
    connection.date = *open.date;
    m_found.append(connection);
}

void ModemLogScanner::showProgress(qint64 position)
{
    if (!m_progress || m_length <= 0)
        return;
    const int percent = int(double(position) / double(m_length) * 100.0);
    if (percent != m_shownPercent) {
        m_progress->setProgress(percent);
        m_shownPercent = percent;
    }
}

QList<DatedConnection> ModemLogScanner::finish()
{
    // The last connection without a hang-up is in progress, or the log ends.
    if (m_open)
        close(m_open->starttime);
    return std::exchange(m_found, {});
}

QList<DatedConnection> ModemLogScanner::scan(QByteArrayView log, ProgressSink* progress)
{
    ModemLogScanner scanner(progress, log.size());
    scanner.feed(log, 0);
    return scanner.finish();
}
