#include "modemlogscanner.h"

#include "platform/dateparser.h"
#include "platform/formats.h"
#include "platform/progresssink.h"

#include <QByteArrayMatcher>

namespace
{

constexpr QByteArrayView Established("Connection established");
constexpr QByteArrayView HangUp("Hanging up the modem.");
// Both driver layouts start a line with the date (10 characters) and, after a space, the time;
// only the time's first 8 characters (hh:mm:ss) are read.
constexpr qsizetype DateLength = 10;
constexpr qsizetype TimeOffset = 11;
constexpr qsizetype TimeLength = 8;

qsizetype lineStart(QByteArrayView log, qsizetype position)
{
    while (position > 0) {
        const char c = log.at(position - 1);
        if (c == '\n' || c == '\r')
            break;
        --position;
    }
    return position;
}

// The date and the time of the line a phrase stands on; empty when the line is too short to
// hold both before the phrase.
struct Stamp {
    QByteArrayView date;
    QByteArrayView time;
};

std::optional<Stamp> stampOf(QByteArrayView log, qsizetype phrase)
{
    const qsizetype start = lineStart(log, phrase);
    if (phrase - start < TimeOffset + TimeLength)
        return std::nullopt;
    return Stamp{log.sliced(start, DateLength), log.sliced(start + TimeOffset, TimeLength)};
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
        const QString starttime = QString::fromLatin1(start->time);
        QString endtime = starttime;
        if (h >= 0 && !(n >= 0 && n < h)) {
            const std::optional<Stamp> end = stampOf(log, h);
            // A hang-up whose line cannot be read makes the end unreadable: the connection is
            // dropped, as one with a bad time would be.
            endtime = end ? QString::fromLatin1(end->time) : QString();
        }
        const std::optional<QDate> date = logDate(start->date);
        if (!date || !DateParser::isValidTime(starttime) || !DateParser::isValidTime(endtime))
            continue;

        DatedConnection connection;
        connection.record.conndate = Formats::ddMmmYy(*date);
        connection.record.starttime = starttime;
        connection.record.endtime = endtime;
        connection.date = *date;
        found.append(connection);
    }
    return found;
}
