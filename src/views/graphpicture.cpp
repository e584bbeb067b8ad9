#include "graphpicture.h"

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
} // namespace

GraphPicture::GraphPicture(QWidget* parent) : QWidget(parent)
{
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

void GraphPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QSizeF area = size();
    const int bottom = height() - 1;
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(m_fill);
    for (const GraphPlot::Bar& bar : m_plot.bars) {
        // Whole pixels, so neighbouring bars share their edge and every bar has one.
        const QRectF box = m_plot.box(bar, area);
        const int left = int(std::lround(box.left()));
        const int right = qMax(left, int(std::lround(box.right())));
        const int top = qMin(int(std::lround(box.top())), bottom);
        painter.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
    }
    if (!m_showLabels)
        return;

    painter.setFont(chartFont(font(), height()));
    painter.setPen(m_text);
    const QFontMetrics metrics = painter.fontMetrics();
    // A text that would run into the one before is left out, so those shown stay readable.
    int freeFrom = 0;
    for (const GraphPlot::Bar& bar : m_plot.bars) {
        const QRectF box = m_plot.box(bar, area);
        const int textWidth = metrics.horizontalAdvance(bar.label);
        // At the bar's top left, but whole inside the picture.
        const int left = qMin(int(std::lround(box.left())) + LabelGap, width() - textWidth);
        if (left < freeFrom)
            continue;
        const int top = qMin(int(std::lround(box.top())) + 1, height() - metrics.height());
        painter.drawText(QPoint(left, top + metrics.ascent()), bar.label);
        freeFrom = left + textWidth + LabelGap;
    }
}
