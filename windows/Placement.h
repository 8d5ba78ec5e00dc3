// Where the main window puts the windows it opens.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace jumpline {

// A window of `size` centred on `owner`.
QPoint centredOn(const QRect &owner, const QSize &size);

// Where a window of `size` first opens: beside the main window, to its right or else to
// its left, level with its top; centred in `available` where neither side has room.
QPoint besideOrCentred(const QRect &mainWindow, const QSize &size, const QRect &available);

} // namespace jumpline
