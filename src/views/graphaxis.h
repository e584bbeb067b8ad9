#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QLabel;

// The nine labels of the graph's y axis, beside the picture and as high as it: Label16 at the
// bottom of the scale, Label17 at its top, each level with its value.
class GraphAxis : public QWidget
{
    Q_OBJECT
public:
    explicit GraphAxis(QWidget* parent = nullptr);

    // From the bottom of the scale to its top.
    void setTexts(const QStringList& texts);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeLabels();

    QList<QLabel*> m_labels;
};
