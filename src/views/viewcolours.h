#pragma once

#include <QColor>

// The four colours of the main window's views. The defaults are the program's own scheme:
// light yellow text on dark cyan for the main colours, black on white for the secondary ones.
struct ViewColours {
    QColor mainBackground{0, 128, 128};
    QColor mainText{255, 255, 128};
    QColor secondaryBackground{255, 255, 255};
    QColor secondaryText{0, 0, 0};
};
