#include "windows/Placement.h"

#include <algorithm>

namespace jumpline {

namespace {

constexpr int BesideGapPx = 8; // between the main window and a window beside it

} // namespace

QPoint centredOn(const QRect &owner, const QSize &size)
{
    return owner.center() - QRect(QPoint(0, 0), size).center();
}

QPoint besideOrCentred(const QRect &mainWindow, const QSize &size, const QRect &available)
{
    const int lowest = std::max(available.top(), available.bottom() + 1 - size.height());
    const int top = std::clamp(mainWindow.top(), available.top(), lowest);
    const QRect right(QPoint(mainWindow.right() + 1 + BesideGapPx, top), size);
    if (available.contains(right))
        return right.topLeft();
    const QRect left(QPoint(mainWindow.left() - BesideGapPx - size.width(), top), size);
    if (available.contains(left))
        return left.topLeft();
    return centredOn(available, size);
}

} // namespace jumpline
