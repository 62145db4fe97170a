// Where the window opens: its wished size, the smallest size it may take,
// and a rectangle that fits both into the screen's available area with room
// left for the window manager's frame.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace orva {

// Room kept for a frame the window manager adds around the window, which is
// not known before the window is first shown.
inline const QMargins kFrameAllowance{8, 40, 8, 8};

// The window's rectangle on a screen whose available area is `available`:
// `wished` cut to what fits inside the area less `frame`, but never smaller
// than `minimum` unless the area itself is smaller; centred in the area.
QRect fittedWindowGeometry(const QRect& available, QSize wished, QSize minimum, const QMargins& frame = kFrameAllowance);

}  // namespace orva
