#include "graphaxis.h"

#include "graphpicture.h"

#include <QLabel>

GraphAxis::GraphAxis(QWidget* parent) : QWidget(parent)
{
    // From the bottom of the scale to its top.
    for (const char* name : {"Label16", "Label9", "Label5", "Label13", "Label15", "Label10",
                             "Label14", "Label12", "Label17"}) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_labels << label;
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void GraphAxis::setTexts(const QStringList& texts)
{
    for (int i = 0; i < m_labels.size(); ++i)
        m_labels.at(i)->setText(texts.value(i));
    updateGeometry();
    placeLabels();
}

QSize GraphAxis::sizeHint() const
{
    const QFontMetrics metrics(GraphPicture::chartFont(font(), height()));
    int width = 0;
    for (const QLabel* label : m_labels)
        width = qMax(width, metrics.horizontalAdvance(label->text()));
    return {width + 2 * metrics.averageCharWidth(), 9 * metrics.height()};
}

QSize GraphAxis::minimumSizeHint() const
{
    return sizeHint();
}

void GraphAxis::resizeEvent(QResizeEvent*)
{
    placeLabels();
    // The font follows the height, and the width follows the font.
    updateGeometry();
}

void GraphAxis::placeLabels()
{
    const QFont chart = GraphPicture::chartFont(font(), height());
    const int lineHeight = QFontMetrics(chart).height();
    const int steps = int(m_labels.size()) - 1;
    for (int i = 0; i < m_labels.size(); ++i) {
        QLabel* label = m_labels.at(i);
        label->setFont(chart);
        // Centred on its value's height, but kept whole inside the axis; at the top when the
        // axis is not yet as high as a line (qBound must not be given a maximum below 0).
        const int level = height() - 1 - i * (height() - 1) / steps;
        const int top = qMax(0, qMin(level - lineHeight / 2, height() - lineHeight));
        label->setGeometry(0, top, width() - QFontMetrics(chart).averageCharWidth() / 2,
                           lineHeight);
    }
}
