#include "costedrecord.h"
#include "log/connectiontable.h"
#include "stats/graphplot.h"
#include "testregistry.h"

#include <QTest>

using Records = QList<ConnectionRecord>;
using Measure = GraphPlot::Measure;
using Axis = GraphPlot::Axis;

Q_DECLARE_METATYPE(GraphPlot::Measure)
Q_DECLARE_METATYPE(GraphPlot::Axis)

namespace
{
ConnectionRecord call(const QString& date, int hours, int minutes, int seconds, float cost = 0)
{
    return costedRecord(date, QStringLiteral("10:00:00"), hours, minutes, seconds, cost);
}

// "slot:height:label" for each bar, heights to two decimals.
QStringList describe(const GraphPlot::Plot& plot)
{
    QStringList bars;
    for (const GraphPlot::Bar& bar : plot.bars)
        bars << QStringLiteral("%1:%2:%3").arg(bar.slot).arg(bar.height, 0, 'f', 2).arg(bar.label);
    return bars;
}
} // namespace

class TstGraphPlot : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plot_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<Measure>("measure");
        QTest::addColumn<Axis>("axis");
        QTest::addColumn<int>("slots");
        QTest::addColumn<QStringList>("bars");
        QTest::addColumn<QString>("top"); // the axis label at the top of the scale

        QTest::newRow("empty table, time")
            << Records{} << Measure::Time << Axis::Connections << 0 << QStringList{} << "1mins";
        QTest::newRow("empty table, cost")
            << Records{} << Measure::Cost << Axis::Connections << 0 << QStringList{} << "£1.00";
        QTest::newRow("empty table, days: today alone")
            << Records{} << Measure::Time << Axis::Days << 1 << QStringList{} << "1mins";
        QTest::newRow("all costs 0")
            << Records{call("2000-04-01", 0, 5, 0), call("2000-04-02", 0, 6, 0)} << Measure::Cost
            << Axis::Connections << 2 << QStringList{"0:0.00:1", "1:0.00:2"} << "£1.00";
        QTest::newRow("time relative to the longest, seconds as a fraction")
            << Records{call("2000-04-01", 1, 30, 45), call("2000-04-01", 0, 45, 22)}
            << Measure::Time << Axis::Connections << 2 << QStringList{"0:1.00:1", "1:0.50:2"}
            << "91mins";
        QTest::newRow("cost relative to the dearest")
            << Records{call("2000-04-01", 0, 1, 0, 0.25f), call("2000-04-01", 0, 1, 0, 1.0f)}
            << Measure::Cost << Axis::Connections << 2 << QStringList{"0:0.25:1", "1:1.00:2"}
            << "£1.00";
        QTest::newRow("days: calls on 1 and 3 April, today 4 April")
            << Records{call("2000-04-01", 0, 10, 0), call("2000-04-03", 0, 20, 0)} << Measure::Time
            << Axis::Days << 4 << QStringList{"0:0.50:Sat 1 Apr", "2:1.00:Mon 3 Apr"} << "20mins";
        QTest::newRow("days: two calls on one day summed")
            << Records{call("2000-04-03", 0, 10, 0, 0.1f), call("2000-04-03", 0, 20, 0, 0.3f),
                       call("2000-04-04", 0, 15, 0, 0.2f)}
            << Measure::Cost << Axis::Days << 2
            << QStringList{"0:1.00:Mon 3 Apr", "1:0.50:Tue 4 Apr"} << "£0.40";
        QTest::newRow("days: a day out of order stands in its own slot")
            << Records{call("2000-04-01", 0, 10, 0), call("2000-04-03", 0, 10, 0),
                       call("2000-04-02", 0, 10, 0), call("2000-04-03", 0, 10, 0)}
            << Measure::Time << Axis::Days << 4
            << QStringList{"0:0.50:Sat 1 Apr", "1:0.50:Sun 2 Apr", "2:1.00:Mon 3 Apr"} << "20mins";
        QTest::newRow("days: a first connection after today leaves an empty axis")
            << Records{call("2000-04-06", 0, 10, 0)} << Measure::Time << Axis::Days << 1
            << QStringList{} << "10mins";
    }
    void plot()
    {
        QFETCH(Records, records);
        QFETCH(Measure, measure);
        QFETCH(Axis, axis);
        QFETCH(int, slots);
        QFETCH(QStringList, bars);
        QFETCH(QString, top);
        ConnectionTable table;
        for (const ConnectionRecord& record : records)
            table.append(record);
        const GraphPlot::Plot plot = GraphPlot::plot(table, measure, axis, QDate(2000, 4, 4));
        QCOMPARE(plot.slots, slots);
        QCOMPARE(describe(plot), bars);
        QCOMPARE(plot.axisLabels.size(), GraphPlot::AxisLabelCount);
        QCOMPARE(plot.axisLabels.last(), top);
    }

    void axisLabels_data()
    {
        QTest::addColumn<double>("maximum");
        QTest::addColumn<Measure>("measure");
        QTest::addColumn<QStringList>("labels");
        // Values below one half show no digits.
        QTest::newRow("time up to 1")
            << 1.0 << Measure::Time << QStringList{"0mins", "mins",  "mins",  "mins", "1mins",
                                                   "1mins", "1mins", "1mins", "1mins"};
        QTest::newRow("time up to 90.75")
            << 90.75 << Measure::Time
            << QStringList{"0mins",  "11mins", "23mins", "34mins", "45mins",
                           "57mins", "68mins", "79mins", "91mins"};
        QTest::newRow("cost up to 0.80")
            << 0.8 << Measure::Cost << QStringList{"£0.00", "£0.10", "£0.20", "£0.30", "£0.40",
                                                   "£0.50", "£0.60", "£0.70", "£0.80"};
    }
    void axisLabels()
    {
        QFETCH(double, maximum);
        QFETCH(Measure, measure);
        QFETCH(QStringList, labels);
        QCOMPARE(GraphPlot::axisLabels(maximum, measure), labels);
    }

    void boxes_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QRectF>("box");
        QTest::newRow("one connection fills the picture")
            << Records{call("2000-04-01", 0, 1, 0)} << 0 << QRectF(0, 0, 400, 300);
        QTest::newRow("second of four at half height")
            << Records{call("2000-04-01", 0, 2, 0), call("2000-04-01", 0, 1, 0),
                       call("2000-04-01", 0, 0, 0), call("2000-04-01", 0, 0, 0)}
            << 1 << QRectF(100, 150, 100, 150);
    }
    void boxes()
    {
        QFETCH(Records, records);
        QFETCH(int, bar);
        QFETCH(QRectF, box);
        ConnectionTable table;
        for (const ConnectionRecord& record : records)
            table.append(record);
        const GraphPlot::Plot plot =
            GraphPlot::plot(table, Measure::Time, Axis::Connections, QDate(2000, 4, 4));
        QCOMPARE(plot.box(plot.bars.at(bar), QSizeF(400, 300)), box);
    }
};

DIALTRAK_TEST(TstGraphPlot)
#include "tst_graphplot.moc"
