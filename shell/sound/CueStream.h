#pragma once

#include "shell/sound/CuePlayer.h"

#include <pulse/context.h>
#include <pulse/stream.h>

#include <cstdint>
#include <vector>

namespace sostav {

using Clock = std::chrono::steady_clock;

struct CueSound {
    std::uint32_t rate = 0;
    std::vector<std::int16_t> samples; // mono
};

// One cue playing on a connection to the sound server: its own stream, shown in the mixer
// while it plays, fed a little at a time as the server asks, so that a restart can fade it
// out soon after the check that restarts it. Lives on its connection's thread only.
class CueStream {
public:
    CueStream(pa_context* context, const CueSound& sound, Cue cue, Clock::time_point checkedAt);
    ~CueStream();
    CueStream(const CueStream&) = delete;
    CueStream& operator=(const CueStream&) = delete;

    Cue cue() const { return m_cue; }
    Clock::time_point checkedAt() const { return m_checkedAt; }
    // Whether the server has taken the stream: from then on the cue plays.
    bool started() const { return m_started; }
    // Whether nothing more of it will be heard: played out, faded, dropped or failed.
    bool finished() const;

    // Ends the cue within a few milliseconds, without the click of a cut at full level.
    void fadeOut();

private:
    void write(std::size_t bytes);
    void release();

    static void onState(pa_stream* stream, void* self);
    static void onWrite(pa_stream* stream, std::size_t bytes, void* self);
    static void onDrained(pa_stream* stream, int success, void* self);

    const CueSound& m_sound;
    const Cue m_cue;
    const Clock::time_point m_checkedAt;
    pa_stream* m_stream = nullptr;
    std::size_t m_next = 0; // the first sample not written yet
    int m_fadeLeft = -1; // samples left of the fade; -1 while not fading
    bool m_started = false;
    bool m_allWritten = false;
};

} // namespace sostav
