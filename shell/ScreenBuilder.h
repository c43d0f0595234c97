#pragma once

#include "shell/RoleHandles.h"

#include <QRect>

class QWidget;

namespace sostav {

struct ScreenLayout;

// Where and how large the screen's client area is designed to open, in logical pixels.
QRect designedClient(const ScreenLayout& layout);

// The one place where a screen's table turns into a window with widgets, every size
// multiplied by `scale` (1: exactly as designed). Returns the widgets that carry roles.
RoleHandles buildScreen(QWidget& window, const ScreenLayout& layout, double scale);

} // namespace sostav
