// Times the written and the table view's fill with 1000 connections, the table's sort by each
// column, the statistics' refresh and the graph's drawing. Prints the best and the median of
// several runs.
#include "log/connectiontable.h"
#include "platform/clock.h"
#include "platform/progresssink.h"
#include "views/graphpicture.h"
#include "views/graphview.h"
#include "views/statisticsview.h"
#include "views/tablesort.h"
#include "views/tableview.h"
#include "views/writtenview.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QLocale>
#include <QRadioButton>
#include <QTableWidget>
#include <QTime>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

constexpr int Runs = 7;

void fillTable(ConnectionTable& table)
{
    table.clear();
    const QStringList notes{QString(), "Peak Rate", "Reconnection", "work", "Unknown End"};
    for (int n = 1; n <= ConnectionTable::Capacity; ++n) {
        ConnectionRecord record;
        record.conndate = QDate(2000, 1, 1).addDays(n / 3).toString(Qt::ISODate);
        const QTime start = QTime(0, 0).addSecs((n * 7919) % 86400);
        record.starttime = start.toString("hh:mm:ss");
        record.endtime = start.addSecs(n * 37 % 7200).toString("hh:mm:ss");
        const int length = n * 37 % 7200;
        record.durhours = qint16(length / 3600);
        record.durmins = qint16(length / 60 % 60);
        record.dursecs = qint16(length % 60);
        record.cost = float(length) * 0.0007f;
        record.otherinfo = notes.at(n % notes.size());
        table.append(record);
    }
}

void report(const char* what, const std::function<void()>& prepare,
            const std::function<void()>& work)
{
    std::vector<qint64> times;
    for (int run = 0; run < Runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    std::printf("%-36s best %7.2f ms   median %7.2f ms\n", what, double(times.front()) / 1e6,
                double(times[times.size() / 2]) / 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication app(argc, argv);

    ConnectionTable table;
    fillTable(table);
    SilentProgress progress;
    std::printf("1000 connections, %d runs each\n", Runs);

    WrittenView written(table, progress);
    written.resize(800, 600);
    written.show();
    report(
        "written view fill", [] {}, [&] { written.displaywritten(false); });

    TableView grid(table, progress);
    grid.resize(800, 600);
    grid.show();
    report(
        "table view fill", [] {}, [&] { grid.displaygrid(false); });

    for (int column = 0; column < 6; ++column) {
        const QByteArray what = "table sort by " + TableSort::columnName(column).toLatin1();
        report(
            what.constData(),
            [&] {
                grid.displaygrid(column == TableSort::StartTime);
                grid.setCurrentColumn(column);
            },
            [&] { grid.grid_click(); });
    }

    SystemClock clock;
    StatisticsView stats(table, clock, progress);
    report(
        "statistics refresh", [] {}, [&] { stats.refresh(); });

    GraphView graph(table, clock, progress);
    graph.resize(800, 600);
    graph.show();
    for (const char* axis : {"Option3", "Option4"}) {
        graph.findChild<QRadioButton*>(axis)->setChecked(true);
        const QByteArray what = QByteArray("graph draw, ") + axis;
        report(
            what.constData(), [] {},
            [&] {
                graph.graphload();
                graph.picture()->grab();
            });
    }
    return 0;
}
