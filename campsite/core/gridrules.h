#pragma once

#include <QPoint>

/// The layout area's snap grid: a position is snapped to step * (p / step),
/// the division truncating toward zero.
constexpr int snapToGrid(int position, int step) { return step * (position / step); }

inline QPoint snapToGrid(QPoint position, int stepX, int stepY)
{
    return {snapToGrid(position.x(), stepX), snapToGrid(position.y(), stepY)};
}
