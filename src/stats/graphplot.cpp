#include "graphplot.h"

#include "log/connectiontable.h"
#include "platform/dateparser.h"
#include "platform/formats.h"

#include <QDate>
#include <QMap>
#include <cmath>

namespace
{

struct Amount {
    double cost = 0;
    double minutes = 0;
    double bytes = 0;
    double of(GraphPlot::Measure measure) const
    {
        switch (measure) {
        case GraphPlot::Measure::Cost:
            return cost;
        case GraphPlot::Measure::Time:
            return minutes;
        case GraphPlot::Measure::Volume:
            return bytes;
        }
        return 0;
    }
};

Amount amountOf(const ConnectionRecord& record)
{
    return {record.cost, GraphPlot::minutes(record), double(record.volume().value_or(0))};
}

QString bytesText(double bytes)
{
    return Formats::dataSize(quint64(std::llround(bytes)));
}

// A scale that stays 0 would divide by nothing: it becomes 1.
double scaleOf(const QList<Amount>& amounts, GraphPlot::Measure measure)
{
    double maximum = 0;
    for (const Amount& amount : amounts)
        maximum = std::max(maximum, amount.of(measure));
    return maximum == 0 ? 1 : maximum;
}

// A bar's value in words: currency, or whole minutes (seconds under half a minute).
QString valueText(double value, GraphPlot::Measure measure)
{
    if (measure == GraphPlot::Measure::Cost)
        return Formats::currency(value);
    if (measure == GraphPlot::Measure::Volume)
        return bytesText(value);
    if (value < 0.5)
        return QString::number(std::lround(value * 60)) + QLatin1String(" secs");
    return QString::number(std::lround(value)) + QLatin1String(" mins");
}

QString counted(qsizetype count, const QString& one, const QString& many)
{
    return QString::number(count) + QLatin1Char(' ') + (count == 1 ? one : many);
}

} // namespace

double GraphPlot::minutes(const ConnectionRecord& record)
{
    return record.durhours * 60.0 + record.durmins + record.dursecs / 60.0;
}

QStringList GraphPlot::axisLabels(double maximum, Measure measure)
{
    QStringList labels;
    for (int step = 0; step < AxisLabelCount; ++step) {
        const double value = maximum * step / (AxisLabelCount - 1);
        if (measure == Measure::Cost)
            labels << Formats::currency(value);
        else if (measure == Measure::Volume)
            labels << bytesText(value);
        else if (step == 0)
            labels << QStringLiteral("0mins");
        else
            labels << Formats::hashHashHash(int(std::lround(value))) + QLatin1String("mins");
    }
    return labels;
}

QString GraphPlot::describe(const Plot& plot, Measure measure, Axis axis)
{
    const bool days = axis == Axis::Days;
    if (!days && plot.slots == 0)
        return QStringLiteral("No connections to draw");
    QString text;
    QString highestWords;
    switch (measure) {
    case Measure::Cost:
        text = QStringLiteral("Cost of ");
        highestWords = QStringLiteral("; the dearest, ");
        break;
    case Measure::Time:
        text = QStringLiteral("Time of ");
        highestWords = QStringLiteral("; the longest, ");
        break;
    case Measure::Volume:
        text = QStringLiteral("Volume of ");
        highestWords = QStringLiteral("; the largest, ");
        break;
    }
    if (plot.slots > 1)
        text += QLatin1String("each of ");
    text += days ? counted(plot.slots, QStringLiteral("day"), QStringLiteral("days"))
                 : counted(plot.slots, QStringLiteral("connection"), QStringLiteral("connections"));
    if (days) {
        if (plot.bars.isEmpty())
            return text + QLatin1String("; none with connections");
        text += QLatin1String(", ") + QString::number(plot.bars.size()) +
                QLatin1String(" with connections");
    }
    // The first of the highest bars, as the eye finds it from the left.
    const Bar* highest = &plot.bars.first();
    for (const Bar& bar : plot.bars) {
        if (bar.height > highest->height)
            highest = &bar;
    }
    const QString place = days ? highest->label : QLatin1String("connection ") + highest->label;
    const QString value = valueText(highest->height * plot.maximum, measure);
    if (plot.bars.size() == 1)
        return text + QLatin1String("; ") + place + QLatin1String(": ") + value;
    if (highest->height == 0)
        return text + QLatin1String("; all are ") + value;
    return text + highestWords + value + QLatin1String(", is ") + place;
}

QRectF GraphPlot::Plot::box(const Bar& bar, const QSizeF& size) const
{
    const double step = slots > 0 ? size.width() / slots : 0;
    return QRectF(QPointF(bar.slot * step, size.height() - bar.height * size.height()),
                  QPointF((bar.slot + 1) * step, size.height()));
}

GraphPlot::Plot GraphPlot::plot(const ConnectionTable& table, Measure measure, Axis axis,
                                const QDate& today)
{
    Plot plot;
    const int count = table.connectioncount();
    if (axis == Axis::Connections) {
        QList<Amount> amounts;
        for (int n = 1; n <= count; ++n)
            amounts << amountOf(table[n]);
        plot.maximum = scaleOf(amounts, measure);
        plot.slots = count;
        for (int n = 1; n <= count; ++n)
            plot.bars << Bar{n - 1, amounts.at(n - 1).of(measure) / plot.maximum,
                             QString::number(n)};
    } else {
        // One slot per calendar day from the first connection's day to today. Connections are
        // summed by their own day, so a day's bar stands in its own slot whatever the order of
        // the table; days outside the axis still count for the scale.
        std::optional<QDate> first =
            count > 0 ? DateParser::parseDate(table[1].conndate) : std::optional<QDate>(today);
        if (!first)
            first = today;
        QMap<QDate, Amount> days;
        for (int n = 1; n <= count; ++n) {
            const std::optional<QDate> day = DateParser::parseDate(table[n].conndate);
            if (!day)
                continue;
            Amount& sum = days[*day];
            const Amount one = amountOf(table[n]);
            sum.cost += one.cost;
            sum.minutes += one.minutes;
            sum.bytes += one.bytes;
        }
        plot.maximum = scaleOf(days.values(), measure);
        // A first connection dated after today leaves today's slot alone, and it empty.
        const QDate start = std::min(*first, today);
        plot.slots = int(start.daysTo(today)) + 1;
        for (auto it = days.cbegin(); it != days.cend(); ++it) {
            const qint64 slot = start.daysTo(it.key());
            if (slot >= 0 && slot < plot.slots)
                plot.bars << Bar{int(slot), it.value().of(measure) / plot.maximum,
                                 Formats::dddDMmm(it.key())};
        }
    }
    plot.axisLabels = axisLabels(plot.maximum, measure);
    plot.description = describe(plot, measure, axis);
    return plot;
}
