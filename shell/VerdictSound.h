#pragma once

namespace sostav {

// Plays the cue of the verdict that a check has just shown: the verdict's voice for a child
// who cannot read it yet. Returns at once, without waiting for the sound; on a machine
// without sound it does nothing.
void playVerdictCue(bool right);

} // namespace sostav
