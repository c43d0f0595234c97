#pragma once

#include "shell/RoleHandles.h"

class QWidget;

namespace sostav {

struct ScreenLayout;

// The one place where a screen's table turns into a window with widgets. Returns the
// widgets that carry roles.
RoleHandles buildScreen(QWidget& window, const ScreenLayout& layout);

} // namespace sostav
