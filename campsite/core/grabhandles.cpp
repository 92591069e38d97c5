#include "grabhandles.h"

#include <algorithm>

namespace GrabHandles {

namespace {
bool movesLeft(Handle h)
{
    return h == Handle::TopLeft || h == Handle::BottomLeft || h == Handle::LeftMiddle;
}
bool movesRight(Handle h)
{
    return h == Handle::TopRight || h == Handle::BottomRight || h == Handle::RightMiddle;
}
bool movesTop(Handle h)
{
    return h == Handle::TopLeft || h == Handle::TopRight || h == Handle::TopMiddle;
}
bool movesBottom(Handle h)
{
    return h == Handle::BottomLeft || h == Handle::BottomRight || h == Handle::BottomMiddle;
}
} // namespace

QRect handleRect(const QRect& object, Handle handle)
{
    const int l = object.x(), t = object.y(), w = object.width(), h = object.height();
    const int left = movesLeft(handle) ? l - 2 : movesRight(handle) ? l + w - 4 : l + w / 2 - 3;
    const int top = movesTop(handle) ? t - 2 : movesBottom(handle) ? t + h - 4 : t + h / 2 - 3;
    return {left, top, kSize, kSize};
}

std::optional<Handle> handleAt(const QRect& object, QPoint point)
{
    for (auto it = kAll.rbegin(); it != kAll.rend(); ++it)
        if (handleRect(object, *it).contains(point))
            return *it;
    return std::nullopt;
}

Qt::CursorShape cursorShape(Handle handle)
{
    switch (handle) {
    case Handle::TopLeft:
    case Handle::BottomRight:
        return Qt::SizeFDiagCursor;
    case Handle::TopRight:
    case Handle::BottomLeft:
        return Qt::SizeBDiagCursor;
    case Handle::TopMiddle:
    case Handle::BottomMiddle:
        return Qt::SizeVerCursor;
    case Handle::LeftMiddle:
    case Handle::RightMiddle:
        return Qt::SizeHorCursor;
    }
    return Qt::ArrowCursor;
}

QRect resized(const QRect& object, Handle handle, QPoint delta)
{
    qint64 left = object.x(), top = object.y();
    qint64 right = left + object.width(), bottom = top + object.height();
    if (movesLeft(handle))
        left += delta.x();
    if (movesRight(handle))
        right += delta.x();
    if (movesTop(handle))
        top += delta.y();
    if (movesBottom(handle))
        bottom += delta.y();
    // Drags stay within the layout area, so the result is as small as its coordinates.
    return QRect(int(std::min(left, right)), int(std::min(top, bottom)),
                 int(std::abs(right - left)), int(std::abs(bottom - top)));
}

} // namespace GrabHandles
