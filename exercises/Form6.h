#pragma once

#include "shell/ScreenLayout.h"

namespace sostav {

// The review worksheet: thirteen blanks over three number tables, judged as a whole.
extern const ScreenLayout Form6;

} // namespace sostav
