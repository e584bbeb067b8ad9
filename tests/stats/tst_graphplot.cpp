#include "stats/graphplot.h"
#include "statstable.h"
#include "testregistry.h"

#include <QTest>

using Records = QList<ConnectionRecord>;
using Measure = GraphPlot::Measure;
using Axis = GraphPlot::Axis;

Q_DECLARE_METATYPE(GraphPlot::Measure)
Q_DECLARE_METATYPE(GraphPlot::Axis)

namespace
{
// Today is Tuesday 4 April 2000.
GraphPlot::Plot plotOf(const Records& records, Measure measure, Axis axis)
{
    return GraphPlot::plot(tableOf(records), measure, axis, QDate(2000, 4, 4));
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
        QTest::addColumn<QStringList>("bars"); // slot:height:label
        QTest::addColumn<QString>("top");      // the axis text at the top of the scale

        QTest::newRow("empty table, time")
            << Records{} << Measure::Time << Axis::Connections << 0 << QStringList{} << "1mins";
        QTest::newRow("empty table, cost")
            << Records{} << Measure::Cost << Axis::Connections << 0 << QStringList{} << "£1.00";
        QTest::newRow("all costs 0")
            << Records{call("2000-04-01", 0, 5, 0), call("2000-04-02", 0, 6, 0)} << Measure::Cost
            << Axis::Connections << 2 << QStringList{"0:0.00:1", "1:0.00:2"} << "£1.00";
        QTest::newRow("relative to the longest, seconds as a fraction of a minute")
            << Records{call("2000-04-01", 1, 30, 45), call("2000-04-01", 0, 45, 22)}
            << Measure::Time << Axis::Connections << 2 << QStringList{"0:1.00:1", "1:0.50:2"}
            << "91mins";
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
        Records volumes{call("2000-04-03", 0, 10, 0), call("2000-04-03", 0, 10, 0),
                        call("2000-04-04", 0, 10, 0)};
        volumes[0].receivedBytes = 3000000;
        volumes[1].sentBytes = 1000000;
        volumes[2].receivedBytes = 2000000;
        QTest::newRow("volume per day: sent and received summed")
            << volumes << Measure::Volume << Axis::Days << 2
            << QStringList{"0:1.00:Mon 3 Apr", "1:0.50:Tue 4 Apr"} << "4.0 MB";
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
        const GraphPlot::Plot plot = plotOf(records, measure, axis);
        QStringList made;
        for (const GraphPlot::Bar& bar : plot.bars)
            made << QString("%1:%2:%3").arg(bar.slot).arg(bar.height, 0, 'f', 2).arg(bar.label);
        QCOMPARE(plot.slots, slots);
        QCOMPARE(made, bars);
        QCOMPARE(plot.axisLabels.last(), top);
    }

    void description_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<Measure>("measure");
        QTest::addColumn<Axis>("axis");
        QTest::addColumn<QString>("description");
        const Records calls{call("2000-04-01", 0, 10, 0, 0.1f), call("2000-04-03", 1, 33, 10, 0.5f),
                            call("2000-04-03", 0, 0, 20, 0.5f), call("2000-04-04", 1, 33, 10)};
        QTest::newRow("the first of the longest")
            << calls << Measure::Time << Axis::Connections
            << "Time of each of 4 connections; the longest, 93 mins, is connection 2";
        QTest::newRow("days") << calls << Measure::Cost << Axis::Days
                              << "Cost of each of 4 days, 3 with connections; the dearest, £1.00, "
                                 "is Mon 3 Apr";
        QTest::newRow("one, under half a minute")
            << Records{call("2000-04-04", 0, 0, 20)} << Measure::Time << Axis::Connections
            << "Time of 1 connection; connection 1: 20 secs";
        QTest::newRow("all nothing")
            << Records{call("2000-04-01", 0, 5, 0), call("2000-04-02", 0, 6, 0)} << Measure::Cost
            << Axis::Connections << "Cost of each of 2 connections; all are £0.00";
    }
    void description()
    {
        QFETCH(Records, records);
        QFETCH(Measure, measure);
        QFETCH(Axis, axis);
        QFETCH(QString, description);
        QCOMPARE(plotOf(records, measure, axis).description, description);
    }

    void axisLabels_data()
    {
        QTest::addColumn<double>("maximum");
        QTest::addColumn<Measure>("measure");
        QTest::addColumn<QString>("labels"); // bottom to top
        // Values below one half show no digits.
        QTest::newRow("time up to 1")
            << 1.0 << Measure::Time << "0mins mins mins mins 1mins 1mins 1mins 1mins 1mins";
        QTest::newRow("time up to 90.75")
            << 90.75 << Measure::Time
            << "0mins 11mins 23mins 34mins 45mins 57mins 68mins 79mins 91mins";
    }
    void axisLabels()
    {
        QFETCH(double, maximum);
        QFETCH(Measure, measure);
        QFETCH(QString, labels);
        QCOMPARE(GraphPlot::axisLabels(maximum, measure).join(' '), labels);
    }

    void boxes()
    {
        const QSizeF size(400, 300);
        const GraphPlot::Plot one =
            plotOf({call("2000-04-01", 0, 1, 0)}, Measure::Time, Axis::Connections);
        QCOMPARE(one.box(one.bars.at(0), size), QRectF(QPointF(0, 0), size));
        const GraphPlot::Plot four =
            plotOf({call("2000-04-01", 0, 2, 0), call("2000-04-01", 0, 1, 0),
                    call("2000-04-01", 0, 0, 0), call("2000-04-01", 0, 0, 0)},
                   Measure::Time, Axis::Connections);
        QCOMPARE(four.box(four.bars.at(1), size), QRectF(100, 150, 100, 150));
    }
};

DIALTRAK_TEST(TstGraphPlot)
#include "tst_graphplot.moc"
