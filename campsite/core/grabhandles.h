#pragma once

#include <QPoint>
#include <QRect>

#include <array>
#include <optional>

/// The eight grab handles of a selected object: 6 x 6 squares on its corners
/// and edge middles, above the objects of the layout area.
namespace GrabHandles {

enum class Handle {
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
    TopMiddle,
    BottomMiddle,
    LeftMiddle,
    RightMiddle
};

/// In stacking order: a later handle lies above an earlier one.
constexpr std::array<Handle, 8> kAll = {
    Handle::TopLeft,   Handle::TopRight,     Handle::BottomLeft, Handle::BottomRight,
    Handle::TopMiddle, Handle::BottomMiddle, Handle::LeftMiddle, Handle::RightMiddle};
constexpr int kSize = 6;

/// The handle's square for an object with rectangle \a object.
QRect handleRect(const QRect& object, Handle handle);
/// The topmost handle of \a object whose square contains \a point.
std::optional<Handle> handleAt(const QRect& object, QPoint point);
/// The pointer shape of an active handle.
Qt::CursorShape cursorShape(Handle handle);

/// The rectangle after dragging \a handle by \a delta: the edges the handle
/// stands for move, the others stay. An edge moved past the opposite one turns
/// the rectangle over, so it spans from the fixed edge to the moved one.
QRect resized(const QRect& object, Handle handle, QPoint delta);

} // namespace GrabHandles
