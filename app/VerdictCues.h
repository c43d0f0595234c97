#pragma once

#include "shell/ScreenRegistry.h"
#include "shell/sound/CuePlayer.h"

namespace sostav {

// Gives every verdict a screen shows its cue, as it is shown.
void voiceVerdicts(ScreenRegistry& registry, CuePlayer& player);

} // namespace sostav
