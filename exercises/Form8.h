#pragma once

#include "shell/ScreenLayout.h"

namespace sostav {

// The composition of 8: the boxes on top, the number below.
extern const ScreenLayout Form8;

} // namespace sostav
