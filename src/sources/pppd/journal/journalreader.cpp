#include "journalreader.h"

#include "journalfilecheck.h"
#include "sigbusguard.h"
#include "sources/modemmanager/modemmanagercallbuilder.h"
#include "sources/modemmanager/modemmanagermessage.h"

#include <QByteArrayView>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <optional>
#include <systemd/sd-journal.h>

namespace
{
const QString DamagedEntries =
    QStringLiteral("Some entries of the journal are damaged and were skipped.");
const QString DamagedFile = QStringLiteral(
    "Part of the journal is damaged and could not be read. The records before the damage were "
    "read.");
const QString CutShort = QStringLiteral(
    "A journal file was cut short while it was read. The records read before that were kept.");

void addError(QString& error, const QString& text)
{
    if (error.contains(text))
        return;
    if (!error.isEmpty())
        error += QLatin1Char('\n');
    error += text;
}

// The value of field in the current entry; nullopt when the entry has no such field, and an
// error code when the entry cannot be read.
struct Field {
    std::optional<QByteArrayView> value;
    int error = 0;
};

Field field(sd_journal* journal, const char* name, size_t nameLength)
{
    const void* data = nullptr;
    size_t length = 0;
    const int result = sd_journal_get_data(journal, name, &data, &length);
    if (result == -ENOENT)
        return {};
    if (result < 0)
        return {std::nullopt, result};
    // The data is "NAME=value".
    const char* bytes = static_cast<const char*>(data);
    if (length <= nameLength)
        return {QByteArrayView(), 0};
    return {QByteArrayView(bytes + nameLength + 1, qsizetype(length - nameLength - 1)), 0};
}

std::optional<qint64> number(const std::optional<QByteArrayView>& text)
{
    if (!text)
        return std::nullopt;
    qint64 value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// The journal's moments as the local time they were logged at. Asking the time zone for each
// record would take most of the read (glibc looks at /etc/localtime every time unless TZ is
// set). A zone changes its offset at most once a day, at a quarter of an hour: where a UTC day
// begins and ends with one offset, that offset holds all through it; the day of a change is
// asked a quarter of an hour at a time.
class LocalMoments
{
public:
    QDateTime at(qint64 msecs)
    {
        if (msecs < m_from || msecs >= m_until)
            learn(msecs);
        return QDateTime::fromMSecsSinceEpoch(msecs, Qt::OffsetFromUTC, m_offset);
    }

private:
    static int offsetAt(qint64 msecs)
    {
        return QDateTime::fromMSecsSinceEpoch(msecs).offsetFromUtc();
    }
    static qint64 startOf(qint64 msecs, qint64 step)
    {
        return (msecs >= 0 ? msecs / step : (msecs - step + 1) / step) * step;
    }
    void learn(qint64 msecs)
    {
        constexpr qint64 Quarter = 15 * 60 * 1000;
        constexpr qint64 Day = 24 * 60 * 60 * 1000;
        const qint64 day = startOf(msecs, Day);
        m_offset = offsetAt(day);
        if (offsetAt(day + Day - 1) == m_offset) {
            m_from = day;
            m_until = day + Day;
            return;
        }
        m_from = startOf(msecs, Quarter);
        m_until = m_from + Quarter;
        m_offset = offsetAt(m_from);
    }

    qint64 m_from = 0;
    qint64 m_until = 0; // [m_from, m_until) has m_offset; empty at first
    int m_offset = 0;
};

// The entry's place on its boot's monotonic clock. Entries of one boot share one id's bytes.
class BootClocks
{
public:
    std::optional<BootClock> at(sd_journal* journal)
    {
        uint64_t usec = 0;
        sd_id128_t boot;
        if (sd_journal_get_monotonic_usec(journal, &usec, &boot) < 0)
            return std::nullopt;
        if (m_boot.isEmpty() || !sd_id128_equal(boot, m_id)) {
            m_id = boot;
            m_boot = QByteArray(reinterpret_cast<const char*>(boot.bytes), sizeof boot.bytes);
        }
        return BootClock{m_boot, usec};
    }

private:
    sd_id128_t m_id{};
    QByteArray m_boot;
};

// What the reader takes of an entry, found in one walk over its fields: a field asked for by
// name walks them again each time. Each value is taken at once, as the next step of the walk
// may move the data.
struct Entry {
    QString message;
    bool connectText = false; // the message starts with "Connect:"
    bool modemManager = false;
    std::optional<qint64> syslogPid;
    std::optional<qint64> processPid;
};

// Negative when the entry cannot be read.
int readEntry(sd_journal* journal, Entry& entry)
{
    sd_journal_restart_data(journal);
    const void* data = nullptr;
    size_t length = 0;
    int result = 0;
    while ((result = sd_journal_enumerate_data(journal, &data, &length)) > 0) {
        const QByteArrayView item(static_cast<const char*>(data), qsizetype(length));
        if (item.startsWith("MESSAGE=")) {
            const QByteArrayView text = item.sliced(8);
            entry.message = QString::fromUtf8(text);
            entry.connectText = text.startsWith("Connect:");
        } else if (item.startsWith("SYSLOG_IDENTIFIER=")) {
            entry.modemManager = item.sliced(18) == QByteArrayView("ModemManager");
        } else if (item.startsWith("SYSLOG_PID=")) {
            entry.syslogPid = number(item.sliced(11));
        } else if (item.startsWith("_PID=")) {
            entry.processPid = number(item.sliced(5));
        }
    }
    return result;
}

QString cursorHere(sd_journal* journal)
{
    char* cursor = nullptr;
    if (sd_journal_get_cursor(journal, &cursor) < 0)
        return {};
    const QString text = QString::fromLatin1(cursor);
    free(cursor);
    return text;
}
} // namespace

JournalReader::JournalReader(const JournalLocation& location) : m_handle(location)
{
    if (!m_handle.get())
        return;
    if (!m_handle.matchRecords()) {
        m_matchFailed = true;
        return;
    }
    m_skipped = JournalFileCheck::skippedFiles(m_handle.get(), location);
}

bool JournalReader::seekCursor(const QString& cursor)
{
    sd_journal* journal = m_handle.get();
    const QByteArray text = cursor.toLatin1();
    // A cursor whose entry is gone leaves the journal at the next entry in time, which
    // test_cursor tells apart.
    return sd_journal_seek_cursor(journal, text.constData()) >= 0 && sd_journal_next(journal) > 0 &&
           sd_journal_test_cursor(journal, text.constData()) > 0;
}

void JournalReader::seekStart(const JournalStart& start)
{
    sd_journal* journal = m_handle.get();
    if (start.notBefore.isValid())
        sd_journal_seek_realtime_usec(journal,
                                      uint64_t(start.notBefore.toMSecsSinceEpoch()) * 1000);
    else
        sd_journal_seek_head(journal);
}

JournalReadResult JournalReader::read(const JournalStart& start, qsizetype enough)
{
    JournalReadResult result;
    sd_journal* journal = m_handle.get();
    if (!journal || m_matchFailed) {
        result.error = journal ? QStringLiteral("The journal cannot be searched for pppd's and "
                                                "ModemManager's records.")
                               : m_handle.errorString();
        result.lastCursor = start.cursor;
        return result;
    }
    for (const QString& problem : m_skipped)
        addError(result.error, problem);

    const SigbusGuard guard;
    uint64_t usageBefore = 0;
    sd_journal_get_usage(journal, &usageBefore);
    const std::optional<uint64_t> floor =
        start.notBefore.isValid()
            ? std::optional<uint64_t>(uint64_t(start.notBefore.toMSecsSinceEpoch()) * 1000)
            : std::nullopt;

    bool atCursor = false;
    if (!start.cursor.isEmpty()) {
        atCursor = seekCursor(start.cursor);
        result.cursorLost = !atCursor;
    }
    if (!atCursor)
        seekStart(start);

    bool moved = atCursor;
    LocalMoments moments;
    BootClocks clocks;
    const auto takeCurrent = [&] {
        uint64_t realtime = 0;
        if (sd_journal_get_realtime_usec(journal, &realtime) < 0) {
            addError(result.error, DamagedEntries);
            return;
        }
        if (floor && realtime < *floor)
            return;
        Entry entry;
        if (readEntry(journal, entry) < 0) {
            addError(result.error, DamagedEntries);
            return;
        }
        PppdRecord record;
        record.when = moments.at(qint64(realtime / 1000));
        // The pid in the syslog line; the journal's own when a line came without one.
        record.pid = entry.syslogPid.value_or(entry.processPid.value_or(0));
        record.monotonic = clocks.at(journal);
        record.message = std::move(entry.message);
        bool connects = entry.connectText;
        if (entry.modemManager) {
            record.program = PppdRecord::Program::ModemManager;
            const auto change = ModemManagerMessage::stateChange(record.message);
            connects = change && change->connects();
        }
        if (connects)
            result.connectPoints.append({result.records.size(), cursorHere(journal)});
        result.records.append(std::move(record));
    };

    if (atCursor && start.includeCursorEntry)
        takeCurrent();
    while (enough < 0 || result.records.size() < enough) {
        const int step = sd_journal_next(journal);
        if (step == 0)
            break;
        if (step < 0) {
            addError(result.error, DamagedFile);
            break;
        }
        moved = true;
        takeCurrent();
    }

    // A file sd-journal gave up on while reading has left the usage.
    uint64_t usageAfter = 0;
    if (sd_journal_get_usage(journal, &usageAfter) >= 0 && usageAfter < usageBefore)
        addError(result.error, DamagedFile);

    if (moved)
        result.lastCursor = cursorHere(journal);
    // Without a cursor of its own, the next read goes over this one's ground again.
    if (result.lastCursor.isEmpty() && atCursor)
        result.lastCursor = start.cursor;
    readNames(result);
    if (guard.faulted())
        addError(result.error, CutShort);
    return result;
}

void JournalReader::readNames(JournalReadResult& result)
{
    // Where ModemManager's calls begin: NetworkManager logs a great deal, so only its records
    // just before these are read.
    QList<QDateTime> starts;
    for (const PppdRecord& record : std::as_const(result.records)) {
        if (record.program != PppdRecord::Program::ModemManager)
            continue;
        if (const auto change = ModemManagerMessage::stateChange(record.message);
            change && change->connects())
            starts << record.when;
        else if (const auto finished = ModemManagerMessage::finished(record.message))
            starts << record.when.addSecs(-finished->seconds);
    }
    if (starts.isEmpty() || !m_handle.matchNetworkManager())
        return;
    sd_journal* journal = m_handle.get();
    LocalMoments moments;
    const auto next = [journal]() -> std::optional<uint64_t> {
        uint64_t realtime = 0;
        if (sd_journal_next(journal) <= 0 || sd_journal_get_realtime_usec(journal, &realtime) < 0)
            return std::nullopt;
        return realtime;
    };
    uint64_t readUpTo = 0; // behind the last window read, so that no record is taken twice
    // The moment of the entry the journal stands at: the first past the last window read.
    std::optional<uint64_t> here;
    for (const QDateTime& start : std::as_const(starts)) {
        const qint64 from =
            start.addSecs(-ModemManagerCallBuilder::ActivationLead).toMSecsSinceEpoch() * 1000;
        const qint64 to =
            start.addSecs(ModemManagerCallBuilder::SameStart).toMSecsSinceEpoch() * 1000;
        const uint64_t begin = qMax(uint64_t(qMax<qint64>(from, 0)), readUpTo);
        if (to < 0 || begin > uint64_t(to))
            continue;
        // Calls follow each other closely: a few steps on cost less than a seek.
        for (int step = 0; here && *here < begin && step < 16; ++step)
            here = next();
        if (!here || *here < begin) {
            sd_journal_seek_realtime_usec(journal, begin);
            here = next();
        }
        for (; here && *here <= uint64_t(to); here = next()) {
            const Field message = field(journal, "MESSAGE", 7);
            if (!message.value)
                continue;
            const QString text = QString::fromUtf8(*message.value);
            if (ModemManagerCallBuilder::activationName(text).isEmpty())
                continue;
            PppdRecord record;
            record.program = PppdRecord::Program::NetworkManager;
            record.when = moments.at(qint64(*here / 1000));
            record.message = text;
            result.names.append(std::move(record));
        }
        readUpTo = uint64_t(to) + 1;
    }
    // The next read reads the records again.
    m_handle.matchRecords();
}
