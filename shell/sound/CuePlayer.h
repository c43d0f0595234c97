#pragma once

#include <QtPlugin>

#include <chrono>

namespace sostav {

enum class Cue { Right, Wrong };

// Plays the verdicts' cues: the sound module's one face to the program, and a test's stand-in.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;

    // Starts the cue of a check made at `checkedAt`. Returns at once whatever the sound server
    // does; a cue that cannot start within a second of its check is dropped, never played late.
    // Safe to call from any thread.
    virtual void play(Cue cue, std::chrono::steady_clock::time_point checkedAt) = 0;
};

// The module's file name, without the suffix the system gives it.
inline constexpr char CueModuleName[] = "sostav-sound";

} // namespace sostav

#define SostavCuePlayerIid "org.sostav.Sostav.CuePlayer/1"
Q_DECLARE_INTERFACE(sostav::CuePlayer, SostavCuePlayerIid)
