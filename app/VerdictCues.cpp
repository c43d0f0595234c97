#include "app/VerdictCues.h"

namespace sostav {

void voiceVerdicts(ScreenRegistry& registry, CuePlayer& player)
{
    QObject::connect(&registry, &ScreenRegistry::verdictShown, &registry,
        [&player](bool right) { player.play(right ? Cue::Right : Cue::Wrong, std::chrono::steady_clock::now()); });
}

} // namespace sostav
