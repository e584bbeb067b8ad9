#include "focusscrollbar.h"

#include <QPainter>

namespace
{
constexpr int FrameWidth = 2;
} // namespace

FocusScrollBar::FocusScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
}

void FocusScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // A frame in the selection colour, plain enough to see at a glance; the styles' own focus
    // marks (a faint tint, or nothing until Tab is pressed) are easily missed on a scroll bar.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), FrameWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(FrameWidth / 2.0, FrameWidth / 2.0, -FrameWidth / 2.0,
                                             -FrameWidth / 2.0));
}
