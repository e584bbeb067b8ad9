// What a user waits for, measured in one run on generated data and set against its target:
// the load with the real costing and a painted status line, Refresh in the real window, every
// view's fill and sort painted, start-up, the close step, and how each grows with the log.
#include "app/form1.h"
#include "app/statusline.h"
#include "bench_journal.h"
#include "bench_syslog.h"
#include "benchdata.h"
#include "benchreport.h"
#include "log/connectiontable.h"
#include "log/logloader.h"
#include "log/shutdownguard.h"
#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/prompter.h"
#include "platform/services.h"
#include "platform/settingsstore.h"
#include "platform/shortcutmaker.h"
#include "platform/textfile.h"
#include "sources/modemlog/modemlogsource.h"
#include "tariff/callcoster.h"
#include "tariff/tarifftable.h"
#include "views/graphview.h"
#include "views/statisticsview.h"
#include "views/tablesort.h"
#include "views/tableview.h"
#include "views/writtenview.h"

#include <QAction>
#include <QApplication>
#include <QByteArrayMatcher>
#include <QFile>
#include <QLocale>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>

namespace
{

constexpr int Runs = 7;

// What the user sees after a command: the event loop paints every widget it left to repaint.
void paint()
{
    QCoreApplication::processEvents();
}

// A view painted whole, as when it is switched to.
void paintWhole(QWidget& view)
{
    view.grab();
}

class QuietPrompter : public Prompter
{
public:
    Answer message(const QString&, Icon, Buttons buttons, Answer) override
    {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
};

class NoLauncher : public Launcher
{
public:
    bool openFile(const QString&) override { return true; }
    bool openUrl(const QUrl&) override { return true; }
};

class NoShortcut : public ShortcutMaker
{
public:
    void setTargetPath(const QString&) override {}
    void setTitle(const QString&) override {}
    bool create() override { return true; }
};

// A profile's files in a folder of their own, and the settings that point the program at them
// with the demo's tariff.
struct Setup {
    QTemporaryDir dir;
    QString program = dir.filePath(QStringLiteral("program"));
    QString logpath;
    QByteArray modemLog;
    SettingsStore settings{dir.filePath(QStringLiteral("Modemtally.conf"))};

    explicit Setup(const BenchData::Profile& profile)
        : logpath(BenchData::write(profile, dir.path(), program)),
          modemLog(BenchData::modemLog(profile))
    {
        if (logpath.isEmpty())
            qFatal("cannot write the benchmark's files in %s", qPrintable(dir.path()));
        settings.write(QStringLiteral("Logfile"), QStringLiteral("Path"), logpath);
        const QString tariff = TariffTable::section();
        for (const auto& [key, value] : {std::pair{"Rate1", "0.04"},
                                         {"Rate2", "0.015"},
                                         {"Rate3", "0.01"},
                                         {"Min", "0.05"},
                                         {"Discount", "10"}})
            settings.write(tariff, QLatin1String(key), QLatin1String(value));
    }
    // The modem log as the driver left it some time ago, as it is when the program closes.
    void restoreModemLog() const
    {
        if (!TextFile::writeBytes(logpath, modemLog))
            qFatal("cannot restore the modem log");
        QFile file(logpath);
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                         QFileDevice::FileModificationTime);
    }
};

// The load as the window runs it: the real tariff and costing, and a status line that paints.
struct CoreLoad {
    ConnectionTable table;
    TariffTable tariff;
    CallCoster coster{tariff};
    StatusLine status;
    ModemLogSource source;
    LogLoader loader;

    explicit CoreLoad(Setup& setup)
        : source(setup.logpath, setup.program),
          loader(
              table, [this](ConnectionTable& t, int slot) { return coster.findvariables(t, slot); },
              status, source)
    {
        status.resize(600, 24);
        status.show();
        tariff.load(setup.settings, status);
    }
    double timeMs()
    {
        loader.lookinlog(); // the own log then holds what every later load finds
        return BenchReport::bestMs(Runs, [this] { loader.lookinlog(); });
    }
};

// The program's main window on a profile.
struct Program {
    SystemClock clock;
    QuietPrompter prompter;
    NoLauncher launcher;
    NoShortcut shortcuts;
    Services services;
    std::unique_ptr<Form1> window;

    explicit Program(Setup& setup)
        : services{setup.settings, clock, prompter, launcher, shortcuts, setup.program, QString()}
    {
    }
    // Until the first view is painted. The window is deleted, never closed, so its close step
    // leaves the modem log alone.
    void start()
    {
        window = std::make_unique<Form1>(services);
        window->startup();
        paint();
    }
    double refreshMs()
    {
        QAction* refresh = window->findChild<QAction*>(QStringLiteral("menurefresh"));
        return BenchReport::bestMs(Runs, [&] {
            refresh->trigger();
            paint();
        });
    }
};

// One streaming pass over the file finding every "Connection established": the least any load
// of it can cost.
double streamingFloorMs(const QString& path)
{
    return BenchReport::bestMs(Runs, [&] {
        static const QByteArray phrase("Connection established");
        const QByteArrayMatcher matcher(phrase);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(path));
        QByteArray buffer(1 << 20, Qt::Uninitialized);
        const qsizetype overlap = phrase.size() - 1;
        qsizetype kept = 0;
        int found = 0;
        while (true) {
            const qint64 read = file.read(buffer.data() + kept, buffer.size() - kept);
            if (read <= 0)
                break;
            const qsizetype length = kept + read;
            for (qsizetype at = matcher.indexIn(buffer.constData(), length, 0); at >= 0;
                 at = matcher.indexIn(buffer.constData(), length, at + 1))
                ++found;
            kept = qMin(overlap, length);
            std::memmove(buffer.data(), buffer.constData() + length - kept, size_t(kept));
        }
        if (found == 0)
            qFatal("no connection in %s", qPrintable(path));
    });
}

BenchData::Profile calls(int modemCalls, int paddingBytes = 0)
{
    BenchData::Profile profile;
    profile.modemCalls = modemCalls;
    profile.paddingBytes = paddingBytes;
    return profile;
}

void loads(BenchReport& report)
{
    Setup small(calls(1000));
    CoreLoad smallLoad(small);
    Program program(small);
    program.start();
    // Taken in turns, so that a busy moment of the machine weighs on both alike.
    double core = std::numeric_limits<double>::max();
    double refresh = core;
    for (int round = 0; round < 3; ++round) {
        core = std::min(core, smallLoad.timeMs());
        refresh = std::min(refresh, program.refreshMs());
    }
    report.note(QStringLiteral("load, 1000 calls in a %1 MB log").arg(small.modemLog.size() >> 20),
                core, QStringLiteral("ms"));
    report.note(QStringLiteral("Refresh in the window, same log"), refresh, QStringLiteral("ms"));
    report.add(QStringLiteral("Refresh in the window / load"), refresh / core, 1.5,
               QStringLiteral("x"));

    BenchData::Profile restart;
    restart.ownLogCalls = 970;
    restart.modemCalls = 30;
    restart.notes = 970;
    Setup withNotes(restart);
    report.note(QStringLiteral("load, 970 own log calls + 30 new, 970 notes"),
                CoreLoad(withNotes).timeMs(), QStringLiteral("ms"));

    Setup large(calls(1000, 50 * 1024));
    const double largeLoad = CoreLoad(large).timeMs();
    const double floor = streamingFloorMs(large.logpath);
    report.note(QStringLiteral("load, 1000 calls in a %1 MB log").arg(large.modemLog.size() >> 20),
                largeLoad, QStringLiteral("ms"));
    report.note(QStringLiteral("streaming floor, same log"), floor, QStringLiteral("ms"));
    report.add(QStringLiteral("50 MB load / streaming floor"), largeLoad / floor, 2.0,
               QStringLiteral("x"));

    // The close step on a log the last load read in full: size and time tell it is unchanged.
    // Its last call is in progress, so the log is kept and nothing but the decision is timed;
    // emptying the log is the file system's work, shown beside it.
    BenchData::Profile inProgress = calls(1000, 50 * 1024);
    inProgress.lastInProgress = true;
    Setup open(inProgress);
    CoreLoad closing(open);
    LoadReport last;
    ShutdownGuard::Outcome outcome = ShutdownGuard::Outcome::Emptied;
    const double close = BenchReport::bestMs(
        Runs, [&] { outcome = ShutdownGuard(closing.loader, closing.table).unload(last).outcome; },
        [&] {
            open.restoreModemLog();
            last = closing.loader.lookinlog();
        });
    if (outcome != ShutdownGuard::Outcome::InProgress)
        qFatal("the close step did not see the call in progress");
    report.add(QStringLiteral("close step, unchanged 50 MB log"), close, 5.0, QStringLiteral("ms"));
    report.note(QStringLiteral("emptying a 50 MB log (file system)"),
                BenchReport::bestMs(
                    Runs, [&] { ModemLogSource::empty(large.logpath, large.modemLog.size()); },
                    [&] { large.restoreModemLog(); }),
                QStringLiteral("ms"));
}

void growth(BenchReport& report)
{
    // 1x, 4x and 16x the connections, and the log's size with them.
    const int counts[] = {250, 1000, 4000};
    double perCall[3] = {};
    double times[3] = {};
    for (int i = 0; i < 3; ++i) {
        Setup setup(calls(counts[i]));
        Program program(setup);
        program.start();
        times[i] = program.refreshMs();
        perCall[i] = times[i] / counts[i];
        report.note(QStringLiteral("Refresh, %1 calls").arg(counts[i]), times[i],
                    QStringLiteral("ms"));
    }
    report.add(QStringLiteral("Refresh cost of each added connection"),
               (times[2] - times[0]) / (counts[2] - counts[0]) * 1000.0, 20.0,
               QStringLiteral("us"));
    report.add(QStringLiteral("growth: time per call at 16x / at 4x"), perCall[2] / perCall[1],
               1.25, QStringLiteral("x"));
}

void views(BenchReport& report)
{
    // Ten years of calls, about one every three and a half days: the table's full 1000.
    BenchData::Profile tenYears = calls(1000);
    tenYears.first = QDateTime(QDate::currentDate().addDays(-3630), QTime(19, 42, 34));
    Setup setup(tenYears);
    CoreLoad load(setup);
    load.loader.lookinlog();
    ConnectionTable& table = load.table;
    StatusLine& progress = load.status;
    const auto fill = [&](const QString& what, const std::function<void()>& work) {
        report.add(what, BenchReport::bestMs(Runs, work), 15.0, QStringLiteral("ms"));
    };

    // A new view each time: the view keeps the lines of its last fill for the next one.
    std::unique_ptr<WrittenView> written;
    report.add(QStringLiteral("written view fill, painted"),
               BenchReport::bestMs(
                   Runs,
                   [&] {
                       written->displaywritten(false);
                       paintWhole(*written);
                   },
                   [&] {
                       written = std::make_unique<WrittenView>(table, progress);
                       written->resize(800, 600);
                       written->show();
                   }),
               15.0, QStringLiteral("ms"));

    TableView grid(table, progress);
    grid.resize(800, 600);
    grid.show();
    fill(QStringLiteral("table view fill, painted"), [&] {
        grid.displaygrid(false);
        paintWhole(grid);
    });
    for (int column = 0; column < 6; ++column) {
        const QString what = QStringLiteral("table sort by ") + TableSort::columnName(column);
        report.add(what,
                   BenchReport::bestMs(
                       Runs,
                       [&] {
                           grid.grid_click();
                           paintWhole(grid);
                       },
                       [&] {
                           grid.displaygrid(false);
                           grid.setCurrentColumn(column);
                       }),
                   15.0, QStringLiteral("ms"));
    }

    SystemClock clock;
    StatisticsView stats(table, clock, progress);
    stats.resize(800, 600);
    stats.show();
    fill(QStringLiteral("statistics, painted"), [&] {
        stats.refresh();
        paintWhole(stats);
    });

    GraphView graph(table, clock, progress);
    graph.resize(800, 600);
    graph.show();
    for (const char* mode : {"Option3", "Option4"}) {
        graph.findChild<QRadioButton*>(QLatin1String(mode))->setChecked(true);
        fill(QStringLiteral("graph, %1 mode, painted")
                 .arg(QLatin1String(mode) == QLatin1String("Option3") ? "connections" : "days"),
             [&] {
                 graph.graphload();
                 paintWhole(graph);
             });
    }

    Program program(setup);
    report.add(QStringLiteral("start-up to the first painted view"),
               BenchReport::bestMs(Runs, [&] { program.start(); }), 300.0, QStringLiteral("ms"));
}

} // namespace

int main(int argc, char** argv)
{
    // The figures are the output: Qt's remarks on the offscreen platform would only bury them.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication app(argc, argv);
    BenchReport report;
    loads(report);
    views(report);
    growth(report);
    syslogBench(report);
    benchJournal(report);
    return report.finish() ? 0 : 1;
}
