#include "colourbox.h"

#include <QPainter>

ColourBox::ColourBox(QWidget* parent) : QAbstractButton(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ColourBox::setColour(quint32 colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

QColor ColourBox::toQColor(quint32 colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QSize ColourBox::sizeHint() const
{
    return {22, 18};
}

QSize ColourBox::minimumSizeHint() const
{
    return {14, 12};
}

void ColourBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(box, toQColor(m_colour));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(box);
    if (hasFocus()) {
        // A second, inner frame in both black and white shows on every colour.
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(box.adjusted(2, 2, -1, -1));
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(box.adjusted(2, 2, -1, -1));
    }
}
