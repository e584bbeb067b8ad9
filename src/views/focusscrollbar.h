#pragma once

#include <QScrollBar>

// A scroll bar that shows when it has the keyboard focus: styles draw no focus on scroll bars,
// so a keyboard user could not tell which bar the arrow keys move.
class FocusScrollBar : public QScrollBar
{
public:
    explicit FocusScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
