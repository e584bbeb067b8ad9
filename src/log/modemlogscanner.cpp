#include "modemlogscanner.h"

#include "platform/dateparser.h"
#include "platform/formats.h"
#include "platform/progresssink.h"

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
    : m_progress(progress), m_length(length), m_established(Established.toByteArray()),
      m_hangUp(HangUp.toByteArray())
{
}

void ModemLogScanner::feed(QByteArrayView piece, qint64 offset)
{
    const auto local = [offset](qint64 position) {
        return qsizetype(qMax<qint64>(0, position - offset));
    };
    // The next of each phrase in this piece, each found once: a log without hang-ups (or without
    // further connections) is searched to its end only once.
    qsizetype established =
        m_established.indexIn(piece.data(), piece.size(), local(m_nextEstablished));
    qsizetype hangUp = m_hangUp.indexIn(piece.data(), piece.size(), local(m_nextHangUp));
    while (established >= 0 || hangUp >= 0) {
        if (hangUp < 0 || (established >= 0 && established < hangUp)) {
            this->established(piece, established);
            established =
                m_established.indexIn(piece.data(), piece.size(), established + Established.size());
        } else {
            hungUp(piece, hangUp);
            showProgress(offset + hangUp);
            hangUp = m_hangUp.indexIn(piece.data(), piece.size(), hangUp + HangUp.size());
        }
    }
    // A phrase that starts this near the end may run on into the next piece.
    const qint64 end = offset + piece.size();
    m_nextEstablished = qMax(m_nextEstablished, end - (Established.size() - 1));
    m_nextHangUp = qMax(m_nextHangUp, end - (HangUp.size() - 1));
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
