#pragma once

#include <QRect>

// Where a window opens: its remembered place, moved and shrunk as little as needed to lie
// wholly on the screen's available area, so that a window remembered on a larger or unscaled
// screen still opens fully.
class WindowPlacement
{
public:
    static QRect fit(const QRect& wanted, const QRect& available);
};
