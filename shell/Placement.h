#pragma once

#include <QMargins>
#include <QRect>

namespace sostav {

// Where a client area goes so that it stays whole on the desktop with the frame around it:
// moved as little as possible into `available`, and where the window is too large for
// that, with its top-left corner in view.
QPoint fittedClientPosition(QRect client, QMargins frame, QRect available);

} // namespace sostav
