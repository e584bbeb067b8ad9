#include "windowplacement.h"

#include <QtGlobal>

QRect WindowPlacement::fit(const QRect& wanted, const QRect& available)
{
    if (!available.isValid())
        return wanted;
    QRect placed(wanted.topLeft(), wanted.size().boundedTo(available.size()));
    if (placed.right() > available.right())
        placed.moveRight(available.right());
    if (placed.bottom() > available.bottom())
        placed.moveBottom(available.bottom());
    if (placed.left() < available.left())
        placed.moveLeft(available.left());
    if (placed.top() < available.top())
        placed.moveTop(available.top());
    return placed;
}
