#include "graphpicture.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPalette>
#include <cmath>

namespace
{
// Chart texts between these pixel sizes, growing with the picture.
constexpr int SmallestText = 10;
constexpr int LargestText = 16;
constexpr int HeightPerTextPixel = 30;
// Between a bar's edge and its text, and between neighbouring texts.
constexpr int LabelGap = 2;

// A screen reader reads the picture as a chart, with its description, not as an empty pane.
QAccessibleInterface* chartInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("GraphPicture") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    return nullptr;
}
} // namespace

GraphPicture::GraphPicture(QWidget* parent) : QWidget(parent)
{
    // Before anything a screen reader hears of, which would make its interface as a pane.
    static const bool readAsChart = (QAccessible::installFactory(chartInterface), true);
    Q_UNUSED(readAsChart);
    setObjectName(QStringLiteral("graph"));
    setAccessibleName(QStringLiteral("Graph"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QFont GraphPicture::chartFont(const QFont& base, int height)
{
    QFont font = base;
    font.setPixelSize(qBound(SmallestText, height / HeightPerTextPixel, LargestText));
    return font;
}

QSize GraphPicture::sizeHint() const
{
    return {400, 300};
}

QSize GraphPicture::minimumSizeHint() const
{
    return {160, 120};
}

void GraphPicture::setPlot(const GraphPlot::Plot& plot, bool showLabels)
{
    m_plot = plot;
    m_showLabels = showLabels;
    setAccessibleDescription(plot.description);
    update();
}

void GraphPicture::setColours(const QColor& background, const QColor& fill, const QColor& text)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    m_fill = fill;
    m_text = text;
    update();
}

QRect GraphPicture::barBox(const GraphPlot::Bar& bar) const
{
    const QRectF box = m_plot.box(bar, QSizeF(size()));
    const int bottom = height() - 1;
    const int left = int(std::lround(box.left()));
    const int right = qMax(left, int(std::lround(box.right())));
    const int top = qMin(int(std::lround(box.top())), bottom);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QList<GraphPicture::Label> GraphPicture::labels() const
{
    QList<Label> shown;
    if (!m_showLabels)
        return shown;
    const QFontMetrics metrics(chartFont(font(), height()));
    int freeFrom = 0;
    for (const GraphPlot::Bar& bar : m_plot.bars) {
        const QRect box = barBox(bar);
        const QSize text(metrics.horizontalAdvance(bar.label), metrics.height());
        // At the bar's top left, but whole inside the picture.
        const int left = qMin(box.left() + LabelGap, width() - text.width());
        if (left < freeFrom)
            continue;
        const bool inside = box.top() + 1 + text.height() <= box.bottom();
        const int top = inside ? box.top() + 1 : qMax(0, box.top() - text.height());
        shown << Label{QRect(QPoint(left, top), text), bar.label};
        freeFrom = left + text.width() + LabelGap;
    }
    return shown;
}

void GraphPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(m_fill);
    for (const GraphPlot::Bar& bar : m_plot.bars)
        painter.drawRect(barBox(bar));

    painter.setFont(chartFont(font(), height()));
    painter.setPen(m_text);
    const int ascent = painter.fontMetrics().ascent();
    for (const Label& label : labels())
        painter.drawText(label.box.topLeft() + QPoint(0, ascent), label.text);
}
