// Times the load cycle on a modem log of 800 calls padded with modem chatter to tens of MB, with
// an own log that holds 200 older calls and the 800 of the modem log (as every load leaves it).
// Prints the best and the median of several runs, and the compaction once.
#include "log/connectiontable.h"
#include "log/logloader.h"
#include "log/modemlogcompactor.h"
#include "log/ownlogfile.h"
#include "platform/progresssink.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTime>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

constexpr int Runs = 7;
constexpr int ModemCalls = 800;
constexpr int OlderCalls = 200;
// Lines of chatter per call: about 40 MB in all.
constexpr int ChatterPerCall = 500;

QByteArray stamp(const QDateTime& when)
{
    return when.toString(QStringLiteral("MM-dd-yyyy hh:mm:ss.zzz")).left(22).toLatin1();
}

QByteArray modemLog(const QDateTime& first)
{
    QByteArray log;
    log.reserve(45 * 1024 * 1024);
    for (int call = 0; call < ModemCalls; ++call) {
        QDateTime t = first.addSecs(qint64(call) * 4 * 3600);
        log += stamp(t) + " - Generic 56K Voice Modem in use.\r\n";
        log += stamp(t) + " - Dialing.\r\n";
        log += stamp(t) + " - Send: ATDT5550147<cr>\r\n";
        log += stamp(t) + " - Connection established at 45333bps.\r\n";
        for (int i = 0; i < ChatterPerCall; ++i) {
            log += stamp(t.addSecs(i)) + " - Recv: <cr><lf>OK<cr><lf>\r\n";
            log += stamp(t.addSecs(i)) + " - Interpreted response: Ok\r\n";
        }
        t = t.addSecs(ChatterPerCall + 61);
        log += stamp(t) + " - Hanging up the modem.\r\n";
        log += stamp(t) + " - Session Statistics:\r\n";
        log += stamp(t) + " -                Reads : 4718236 bytes\r\n";
        log += stamp(t) + " -                Writes: 392741 bytes\r\n";
        log += stamp(t) + " - Generic 56K Voice Modem closed.\r\n";
    }
    return log;
}

QByteArray ownLog(const QDateTime& first)
{
    QByteArray own;
    auto record = [&](const QDateTime& start, const QDateTime& end) {
        own += "\"" + start.date().toString(Qt::ISODate).toLatin1() + "\",\"" +
               start.time().toString(QStringLiteral("hh:mm:ss")).toLatin1() + "\",\"" +
               end.time().toString(QStringLiteral("hh:mm:ss")).toLatin1() + "\"\r\n";
    };
    for (int call = OlderCalls; call > 0; --call) {
        const QDateTime start = first.addDays(-call);
        record(start, start.addSecs(1800));
    }
    for (int call = 0; call < ModemCalls; ++call) {
        const QDateTime start = first.addSecs(qint64(call) * 4 * 3600);
        record(start, start.addSecs(ChatterPerCall + 61));
    }
    return own;
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void print(const char* name, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s best %8.1f ms   median %8.1f ms\n", name, ms.front(), ms[ms.size() / 2]);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QTemporaryDir dir;
    const QString logpath = dir.filePath(QStringLiteral("Standard Modem.log"));
    const QDateTime first(QDate(2000, 3, 1), QTime(19, 42, 34));
    const QByteArray log = modemLog(first);
    if (!write(logpath, log) || !write(OwnLogFile::pathFor(logpath), ownLog(first))) {
        std::fprintf(stderr, "cannot write the test files in %s\n", qPrintable(dir.path()));
        return 1;
    }
    std::printf("modem log: %.1f MB, %d calls; own log: %d calls\n", log.size() / 1048576.0,
                ModemCalls, OlderCalls + ModemCalls);

    ConnectionTable table;
    table.logpath = logpath;
    SilentProgress progress;
    // Costing is another part's work; a coster that does nothing times the load alone.
    LogLoader loader(
        table, [](ConnectionTable&, int) { return true; }, progress,
        dir.filePath(QStringLiteral("program")));
    std::vector<double> loads;
    std::vector<double> checks;
    int connections = 0;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        connections = loader.lookinlog().connectionsRead;
        loads.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        const bool changed = loader.modemLogChanged();
        checks.push_back(timer.nsecsElapsed() / 1e6);
        if (changed)
            std::fprintf(stderr, "modem log reported as changed\n");
    }
    std::printf("connections read: %d (table %d)\n", connections, table.connectioncount());
    print("lookinlog", loads);
    print("modemLogChanged", checks);

    QElapsedTimer timer;
    timer.start();
    const bool compacted = ModemLogCompactor::cleanup(logpath, progress);
    print(compacted ? "cleanup (once)" : "cleanup FAILED", {timer.nsecsElapsed() / 1e6});
    return 0;
}
