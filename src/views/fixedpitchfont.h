#pragma once

#include <QFont>

// Courier New where it is installed, otherwise the system's monospace font, so that lines of
// equal structure line up.
class FixedPitchFont
{
public:
    static QFont courierNew(qreal pointSize);
};
