#include "bench_journal.h"

#include "benchreport.h"
#include "journalexport.h"
#include "sources/pppd/journal/journalreader.h"

#include <QProcess>
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

// One call of a 4G modem as ModemManager logs it, five records, with NetworkManager's lines.
void mobileCall(JournalExport& log, const QDateTime& start, int number)
{
    const auto at = [&](int seconds) { return start.addSecs(seconds); };
    const QString modem = QStringLiteral("<info>  [modem0] state changed (");
    log.entry(at(0), QStringLiteral("NetworkManager"), 612, 612,
              QStringLiteral("<info>  [1.1] device (cdc-wdm0): Activation: starting connection "
                             "'Mobile' (2b1e)"))
        .entry(at(0), QStringLiteral("NetworkManager"), 612, 612,
               QStringLiteral("<info>  [1.1] device (cdc-wdm0): state change: prepare -> config "
                              "(reason 'none', sys-iface-state: 'managed')"))
        .entry(at(1), QStringLiteral("ModemManager"), 640, 640,
               modem + QStringLiteral("registered -> connecting)"))
        .entry(at(3), QStringLiteral("ModemManager"), 640, 640,
               modem + QStringLiteral("connecting -> connected)"))
        .entry(at(3), QStringLiteral("NetworkManager"), 612, 612,
               QStringLiteral("<info>  [1.1] device (cdc-wdm0): state change: ip-config -> "
                              "ip-check (reason 'none', sys-iface-state: 'managed')"))
        .entry(at(60), QStringLiteral("CRON"), 900, 900,
               QStringLiteral("(root) CMD (debian-sa1 1 1)"))
        .entry(at(903), QStringLiteral("ModemManager"), 640, 640,
               QStringLiteral("<info>  [modem0/bearer1] connection #%1 finished: duration 900s, "
                              "tx: 123456 bytes, rx: 7654321 bytes")
                   .arg(number))
        .entry(at(903), QStringLiteral("ModemManager"), 640, 640,
               modem + QStringLiteral("connected -> disconnecting)"))
        .entry(at(904), QStringLiteral("ModemManager"), 640, 640,
               modem + QStringLiteral("disconnecting -> registered)"))
        .entry(at(904), QStringLiteral("NetworkManager"), 612, 612,
               QStringLiteral("<info>  [1.1] device (cdc-wdm0): state change: activated -> "
                              "deactivating (reason 'user-requested')"));
}
constexpr int MobileRecords = 5;

bool write(const JournalExport& log, const QString& path)
{
    QString error;
    if (log.writeTo(path, &error))
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return false;
}

constexpr double Failed = std::numeric_limits<double>::infinity();

// The same read by journalctl, the floor the program's read is held against.
void journalctl(const QString& folder)
{
    QProcess tool;
    tool.setStandardOutputFile(QProcess::nullDevice());
    tool.start(QStringLiteral("journalctl"),
               {QStringLiteral("-D"), folder, QStringLiteral("-t"), QStringLiteral("pppd"),
                QStringLiteral("-t"), QStringLiteral("ModemManager"), QStringLiteral("-o"),
                QStringLiteral("cat")});
    tool.waitForFinished(-1);
}

// pppd's and ModemManager's calls in turn: the full read against journalctl's, and a Refresh.
void benchMixed(BenchReport& report)
{
    const QString refreshName =
        QStringLiteral("journal: Refresh, 10 new after 100,000 pppd and ModemManager records");
    const QString fullName = QStringLiteral("journal: full read of pppd and ModemManager / "
                                            "journalctl -t pppd -t ModemManager -o cat");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("system.journal"));
    const JournalLocation location = JournalLocation::directory(dir.path());
    QDateTime start = QDateTime::currentDateTimeUtc().addDays(-400);
    JournalExport old;
    qint64 pid = 2000;
    int records = 0;
    for (int number = 1; records < OldRecords; ++number) {
        call(old, start, pid);
        mobileCall(old, start.addSecs(1800), number);
        records += NewRecords + MobileRecords;
        start = start.addSecs(3600);
        pid += 7;
    }
    if (!write(old, file)) {
        report.add(refreshName, Failed, 10.0, QStringLiteral("ms"));
        report.add(fullName, Failed, 1.5, QStringLiteral("x"));
        return;
    }
    JournalReadResult all;
    const double full = BenchReport::bestMs(3, [&] { all = JournalReader(location).read({}); });
    const double floor = BenchReport::bestMs(3, [&] { journalctl(dir.path()); });
    report.note(QStringLiteral("journal: full read of 100,000 pppd and ModemManager records"), full,
                QStringLiteral("ms"));
    report.note(QStringLiteral("journal: journalctl -t pppd -t ModemManager -o cat"), floor,
                QStringLiteral("ms"));
    report.add(fullName, all.ok() && all.records.size() >= OldRecords ? full / floor : Failed, 1.5,
               QStringLiteral("x"));

    JournalExport news;
    mobileCall(news, start, 1);
    mobileCall(news, start.addSecs(1800), 2);
    const bool appended = write(news, file);
    JournalReadResult fresh;
    const double refresh = BenchReport::bestMs(
        Runs, [&] { fresh = JournalReader(location).read(JournalStart::after(all.lastCursor)); });
    const bool right = appended && fresh.ok() && fresh.records.size() == 2 * MobileRecords &&
                       fresh.names.size() == 2;
    if (!right)
        std::fprintf(stderr, "journal: read %lld new records and %lld names: %s\n",
                     qlonglong(fresh.records.size()), qlonglong(fresh.names.size()),
                     qPrintable(fresh.error));
    report.add(refreshName, right ? refresh : Failed, 10.0, QStringLiteral("ms"));
}
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
    benchMixed(report);
}
