#pragma once

#include "shell/ScreenLayout.h"

namespace sostav {

// The composition of 9: the number on top, the boxes below.
extern const ScreenLayout Form7;

} // namespace sostav
