#include "colourbox.h"

#include "views/viewcolours.h"

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

QString ColourBox::describe(quint32 colour)
{
    const QColor shown = ViewColours::toQColor(colour);
    return QStringLiteral("red %1, green %2, blue %3")
        .arg(shown.red())
        .arg(shown.green())
        .arg(shown.blue());
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
    painter.fillRect(box, ViewColours::toQColor(m_colour));
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
