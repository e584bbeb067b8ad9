#pragma once

#include <QAbstractButton>

// A box filled with one colour: a swatch of a rate or of the colour scheme, a colour of the
// picker, or an hour cell of the tariff grid. It is a button, so the keyboard (Space) and a
// screen reader's press action reach it.
class ColourBox : public QAbstractButton
{
    Q_OBJECT
public:
    explicit ColourBox(QWidget* parent = nullptr);

    // Colours as the settings store keeps them: red in the low byte, green next, blue third.
    quint32 colour() const { return m_colour; }
    void setColour(quint32 colour);
    // The colour in words a screen reader can say: "red 255, green 128, blue 0".
    static QString describe(quint32 colour);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 m_colour = 0;
};
