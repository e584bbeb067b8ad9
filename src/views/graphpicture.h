#pragma once

#include "stats/graphplot.h"

#include <QColor>
#include <QWidget>

// The graph's picture area: paints a computed chart to its own size, so the chart follows the
// window. Each bar is outlined in black and filled with the fill colour; its number or date
// stands at its top left in the text colour.
class GraphPicture : public QWidget
{
    Q_OBJECT
public:
    explicit GraphPicture(QWidget* parent = nullptr);

    void setPlot(const GraphPlot::Plot& plot, bool showLabels);
    const GraphPlot::Plot& plot() const { return m_plot; }
    bool showsLabels() const { return m_showLabels; }

    void setColours(const QColor& background, const QColor& fill, const QColor& text);
    QColor fillColour() const { return m_fill; }

    // The font of the texts on and beside the chart, sized to a picture of that height.
    static QFont chartFont(const QFont& base, int height);

    // A bar's number or date, and where it is written.
    struct Label {
        QRect box;
        QString text;
    };
    // The texts shown, each at its bar's top left: inside the bar when it is high enough, else
    // just above its outline. A text that would run into the one before is left out.
    QList<Label> labels() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The bar's box in whole pixels, so neighbouring bars share their edge and every bar has one.
    QRect barBox(const GraphPlot::Bar& bar) const;

    GraphPlot::Plot m_plot;
    bool m_showLabels = true;
    QColor m_fill;
    QColor m_text;
};
