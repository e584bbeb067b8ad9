#include "modemlogscanner.h"

#include "platform/dateparser.h"
#include "platform/formats.h"
#include "platform/progresssink.h"

#include <QByteArrayMatcher>

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

// The next occurrence at or after a position, remembered so that a log with no hang-up (or no
// further connection) is searched to its end only once.
class NextFinder
{
public:
    NextFinder(QByteArrayView log, QByteArrayView phrase) : m_log(log), m_matcher(phrase) {}
    qsizetype from(qsizetype position)
    {
        if (m_found != Unknown && (m_found < 0 || m_found >= position))
            return m_found;
        m_found = m_matcher.indexIn(m_log.data(), m_log.size(), position);
        return m_found;
    }

private:
    static constexpr qsizetype Unknown = -2;
    QByteArrayView m_log;
    QByteArrayMatcher m_matcher;
    qsizetype m_found = Unknown;
};

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

QList<DatedConnection> ModemLogScanner::scan(QByteArrayView log, ProgressSink* progress)
{
    QList<DatedConnection> found;
    NextFinder nextConnection(log, Established);
    NextFinder nextHangUp(log, HangUp);
    const qsizetype length = log.size();
    int shownPercent = -1;

    qsizetype search = 0;
    while (true) {
        const qsizetype p = nextConnection.from(search);
        if (p < 0)
            break;
        search = p + Established.size();
        const qsizetype h = nextHangUp.from(search);
        const qsizetype n = nextConnection.from(search);

        if (progress) {
            const int percent = h < 0 ? 0 : int(double(h) / double(length) * 100.0);
            if (percent != shownPercent) {
                progress->setProgress(percent);
                shownPercent = percent;
            }
        }

        const std::optional<Stamp> start = stampOf(log, p);
        if (!start)
            continue;
        // Read as hh:mm:ss, so a damaged "10:05 PM" costs as 22:05 and not as a 10 o'clock call.
        const std::optional<QString> starttime =
            DateParser::timeText(QString::fromLatin1(start->time));
        std::optional<QString> endtime = starttime;
        if (h >= 0 && !(n >= 0 && n < h)) {
            const std::optional<Stamp> end = stampOf(log, h);
            // A hang-up whose line cannot be read makes the end unreadable: the connection is
            // dropped, as one with a bad time would be.
            endtime = end ? DateParser::timeText(QString::fromLatin1(end->time)) : std::nullopt;
        }
        const std::optional<QDate> date = logDate(start->date);
        if (!date || !starttime || !endtime)
            continue;

        DatedConnection connection;
        connection.record.conndate = Formats::ddMmmYy(*date);
        connection.record.starttime = *starttime;
        connection.record.endtime = *endtime;
        connection.date = *date;
        found.append(connection);
    }
    return found;
}
