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
    // Else read by the caption of the graph's frame.
    setAccessibleName(QStringLiteral("Scale"));
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
    // Centred on its value's height, but kept whole inside the axis; at the top when the axis
    // is not yet as high as a line (qBound must not be given a maximum below 0).
    const auto topOf = [&](int i) {
        const int level = height() - 1 - i * (height() - 1) / steps;
        return qMax(0, qMin(level - lineHeight / 2, height() - lineHeight));
    };
    // The bottom and top labels always show; one between them only when it runs into neither
    // the label shown below it nor the top one.
    const int topLabel = topOf(steps);
    int freeBelow = height();
    for (int i = 0; i <= steps; ++i) {
        QLabel* label = m_labels.at(i);
        label->setFont(chart);
        const int top = topOf(i);
        label->setGeometry(0, top, width() - QFontMetrics(chart).averageCharWidth() / 2,
                           lineHeight);
        const bool shown =
            i == 0 || i == steps || (top + lineHeight <= freeBelow && top >= topLabel + lineHeight);
        label->setVisible(shown);
        if (shown)
            freeBelow = top;
    }
}
