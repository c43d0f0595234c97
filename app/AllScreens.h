#pragma once

#include "shell/ScreenRegistry.h"

namespace sostav {

// How each of the five screens is made: the one place that knows them all.
ScreenRegistry::Factories allScreens();

} // namespace sostav
