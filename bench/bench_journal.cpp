#include "bench_journal.h"

#include "benchreport.h"
#include "journalexport.h"
#include "sources/pppd/journal/journalreader.h"

#include <QTemporaryDir>
#include <cstdio>
#include <limits>

namespace
{
constexpr int Runs = 7;
constexpr int OldRecords = 100000;
constexpr int NewRecords = 10;

// One call as pppd logs it, ten records, among other programs' entries.
void call(JournalExport& log, const QDateTime& start, qint64 pid)
{
    const auto at = [&](int seconds) { return start.addSecs(seconds); };
    log.pppd(at(0), pid, QStringLiteral("pppd 2.4.9 started by root, uid 0"))
        .pppd(at(2), pid, QStringLiteral("Serial connection established."))
        .pppd(at(2), pid, QStringLiteral("Using interface ppp0"))
        .pppd(at(2), pid, QStringLiteral("Connect: ppp0 <--> /dev/ttyUSB0"))
        .entry(at(2), QStringLiteral("NetworkManager"), 612, 612,
               QStringLiteral("Connect: ppp0 <--> /dev/ttyUSB0"))
        .pppd(at(5), pid, QStringLiteral("local  IP address 10.64.64.64"))
        .pppd(at(5), pid, QStringLiteral("remote IP address 10.112.112.112"))
        .entry(at(60), QStringLiteral("CRON"), pid + 1, pid + 1,
               QStringLiteral("(root) CMD (debian-sa1 1 1)"))
        .pppd(at(900), pid, QStringLiteral("Connect time 14.9 minutes."))
        .pppd(at(900), pid, QStringLiteral("Sent 123456 bytes, received 7654321 bytes."))
        .pppd(at(900), pid, QStringLiteral("Connection terminated."))
        .pppd(at(901), pid, QStringLiteral("Exit."));
}

bool write(const JournalExport& log, const QString& path)
{
    QString error;
    if (log.writeTo(path, &error))
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return false;
}

constexpr double Failed = std::numeric_limits<double>::infinity();
} // namespace

void benchJournal(BenchReport& report)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("system.journal"));
    const JournalLocation location = JournalLocation::directory(dir.path());
    // In the past: the tool will not append to a file whose entries lie in the future.
    QDateTime start = QDateTime::currentDateTimeUtc().addDays(-400);
    JournalExport old;
    qint64 pid = 2000;
    while (old.count() < OldRecords * 12 / 10) {
        call(old, start, pid);
        start = start.addSecs(1800);
        pid += 7;
    }
    if (!write(old, file)) {
        report.add(QStringLiteral("journal: Refresh, 10 new records"), Failed, 10.0,
                   QStringLiteral("ms"));
        return;
    }

    JournalReadResult all;
    report.note(QStringLiteral("journal: full read of 100,000 pppd records"),
                BenchReport::bestMs(3, [&] { all = JournalReader(location).read({}); }),
                QStringLiteral("ms"));
    JournalExport news;
    call(news, start, pid);
    const bool appended = write(news, file);

    // A Refresh opens the journal again, as the window's does, and reads from the last cursor.
    JournalReadResult fresh;
    const double refresh = BenchReport::bestMs(
        Runs, [&] { fresh = JournalReader(location).read(JournalStart::after(all.lastCursor)); });
    const bool right = appended && all.ok() && all.records.size() >= OldRecords && fresh.ok() &&
                       fresh.records.size() == NewRecords;
    if (!right)
        std::fprintf(stderr, "journal: read %lld old and %lld new records: %s %s\n",
                     qlonglong(all.records.size()), qlonglong(fresh.records.size()),
                     qPrintable(all.error), qPrintable(fresh.error));
    report.add(QStringLiteral("journal: Refresh, 10 new after 100,000 pppd records"),
               right ? refresh : Failed, 10.0, QStringLiteral("ms"));
}
