#pragma once

#include "shell/ScreenLayout.h"

namespace sostav {

// The composition of 10: [box] + [box] = 10, judged with a word above each box.
extern const ScreenLayout Form3;

} // namespace sostav
