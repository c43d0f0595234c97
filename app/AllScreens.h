#pragma once

#include "shell/Screen.h"

#include <memory>

namespace sostav {

// Makes the screen of a kind: the one place that knows all five.
std::unique_ptr<Screen> makeScreen(ScreenKind kind);

} // namespace sostav
