#pragma once

#include <Qt>
#include <algorithm>
#include <optional>

// Where an arrow key, Home or End moves within a grid of boxes numbered row by row; the edges
// hold. None for any other key.
inline std::optional<int> gridStep(int index, int rows, int columns, int key)
{
    int row = index / columns;
    int column = index % columns;
    switch (key) {
    case Qt::Key_Left:
        column = std::max(column - 1, 0);
        break;
    case Qt::Key_Right:
        column = std::min(column + 1, columns - 1);
        break;
    case Qt::Key_Up:
        row = std::max(row - 1, 0);
        break;
    case Qt::Key_Down:
        row = std::min(row + 1, rows - 1);
        break;
    case Qt::Key_Home:
        column = 0;
        break;
    case Qt::Key_End:
        column = columns - 1;
        break;
    default:
        return std::nullopt;
    }
    return row * columns + column;
}
