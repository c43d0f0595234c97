#pragma once

#include <QMargins>
#include <QRect>

// How a window stays whole on the desktop's available area (the screen less its panels),
// frame and all.
namespace sostav {

// Where a client area goes: moved as little as possible into `available`, and where the
// window is too large for that, with its top-left corner in view.
QPoint fittedClientPosition(QRect client, QMargins frame, QRect available);

// How much a client area must shrink, evenly, for the window to fit `available`: 1 where it
// fits as it is, so that a screen that fits keeps every pixel where its table puts it.
double fittingScale(QSize client, QMargins frame, QSize available);

} // namespace sostav
