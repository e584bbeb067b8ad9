#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class ConnectionTable;
struct ConnectionRecord;
class QDate;

// The graph view's chart as plain numbers: one bar per connection or per calendar day, each as
// high as its cost, time or volume relative to the greatest, with the texts of the y axis.
class GraphPlot
{
public:
    // Volume is the bytes sent and received; a connection whose bytes are unknown has none.
    enum class Measure { Cost, Time, Volume };
    enum class Axis { Connections, Days };

    struct Bar {
        int slot = 0;      // from 0 at the left
        double height = 0; // 0 to 1 of the picture's height
        QString label;     // the connection number, or the day as "ddd d mmm"
    };

    // Slot count, bars and the scale of one chart.
    struct Plot {
        int slots = 0;
        QList<Bar> bars;
        double maximum = 1; // the value at the top of the scale; never 0
        // The nine y-axis texts, from the bottom of the scale (0) to its top (the maximum).
        QStringList axisLabels;
        // What a screen reader says of the chart in place of the picture.
        QString description;

        // The bar's box in a picture of that size: its slot's width, from the bottom edge up.
        QRectF box(const Bar& bar, const QSizeF& size) const;
    };

    static constexpr int AxisLabelCount = 9;

    // Days mode runs from the first connection's day to today, one slot per day.
    static Plot plot(const ConnectionTable& table, Measure measure, Axis axis, const QDate& today);

    // The time of a connection in minutes, seconds as a fraction: 1 h 30 min 45 s is 90.75.
    static double minutes(const ConnectionRecord& record);
    // The y-axis texts of a scale up to maximum: currency, whole minutes followed by "mins", or
    // data sizes.
    static QStringList axisLabels(double maximum, Measure measure);
    // What is drawn, how many bars, and the highest bar with its value and place: "Time of each
    // of 46 connections; the longest, 93 mins, is connection 7".
    static QString describe(const Plot& plot, Measure measure, Axis axis);
};
