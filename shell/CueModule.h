#pragma once

#include "shell/sound/CuePlayer.h"

#include <memory>

namespace sostav {

// The sound module's player, loaded when the first cue is asked for, on a thread of its own:
// the sound system's libraries (some twenty) would otherwise slow every start, and loading
// them must not hold up the verdict on the screen. Where the module cannot be loaded, the
// program says why once and stays silent.
class CueModule : public CuePlayer {
public:
    CueModule();
    ~CueModule() override;

    void play(Cue cue, std::chrono::steady_clock::time_point checkedAt) override;

private:
    struct Loading;
    std::shared_ptr<Loading> m_loading; // shared with the thread that loads
};

} // namespace sostav
