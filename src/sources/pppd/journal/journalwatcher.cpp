#include "journalwatcher.h"

#include "sigbusguard.h"

#include <QSocketNotifier>

#include <poll.h>
#include <systemd/sd-journal.h>
#include <time.h>

JournalWatcher::JournalWatcher(const JournalLocation& location, QObject* parent)
    : QObject(parent), m_handle(location)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &JournalWatcher::process);
    sd_journal* journal = m_handle.get();
    if (!journal) {
        m_error = m_handle.errorString();
        return;
    }
    if (!m_handle.matchRecords()) {
        m_error = QStringLiteral("The journal cannot be watched for pppd's and "
                                 "ModemManager's records.");
        return;
    }
    // Stand after the last record of theirs, so that what comes next is news.
    {
        const SigbusGuard guard;
        sd_journal_seek_tail(journal);
        sd_journal_previous(journal);
    }
    const int fd = sd_journal_get_fd(journal);
    if (fd < 0) {
        m_error = QStringLiteral("The journal cannot be watched for new records: %1.")
                      .arg(qt_error_string(-fd));
        return;
    }
    const int events = sd_journal_get_events(journal);
    m_notifier = new QSocketNotifier(
        fd, events > 0 && (events & POLLOUT) ? QSocketNotifier::Write : QSocketNotifier::Read,
        this);
    connect(m_notifier, &QSocketNotifier::activated, this, &JournalWatcher::process);
    armTimer();
}

JournalWatcher::~JournalWatcher() = default;

void JournalWatcher::process()
{
    sd_journal* journal = m_handle.get();
    bool news = false;
    {
        const SigbusGuard guard;
        const int what = sd_journal_process(journal);
        news = what == SD_JOURNAL_INVALIDATE;
        if (what == SD_JOURNAL_APPEND || what == SD_JOURNAL_INVALIDATE) {
            // Step over what is new, so that only their records count and the next wake-up
            // sees only what comes after.
            int step = 0;
            while ((step = sd_journal_next(journal)) > 0)
                news = true;
            // An entry that cannot be read is for the reader to report.
            news = news || step < 0;
        }
        news = news || guard.faulted();
    }
    armTimer();
    if (news)
        Q_EMIT changed();
}

void JournalWatcher::armTimer()
{
    uint64_t wake = 0;
    if (sd_journal_get_timeout(m_handle.get(), &wake) < 0 || wake == uint64_t(-1)) {
        m_timer.stop();
        return;
    }
    // The timeout is a moment on the monotonic clock, in microseconds.
    struct timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t nowUsec = uint64_t(now.tv_sec) * 1000000 + uint64_t(now.tv_nsec) / 1000;
    const uint64_t waitMs = wake > nowUsec ? (wake - nowUsec + 999) / 1000 : 0;
    m_timer.start(int(std::min<uint64_t>(waitMs, 60 * 60 * 1000)));
}
