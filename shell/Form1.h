#pragma once

#include "shell/ScreenLayout.h"

namespace sostav {

// The main menu: four exercises and the way out. Its buttons do nothing but ask to
// move, so the whole screen is its table.
extern const ScreenLayout Form1;

} // namespace sostav
