#pragma once

#include "shell/sound/CueStream.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>

#include <array>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace sostav {

// How long a cue may take to start after its check; later it would answer another moment.
inline constexpr auto CueDeadline = std::chrono::seconds(1);

using CueSounds = std::array<CueSound, 2>; // by Cue

// One thread that talks to the sound server, over a connection of its own made when a cue
// needs one. It never waits for the server: everything goes through libpulse's asynchronous
// calls on a main loop of its own, and a connection that has not let a cue start within its
// second is dropped with the cue. Should the thread still hang somewhere (a system call, the
// client library reading its settings), whoever offers it a cue learns so and starts
// another: this one is left behind, never waited for, alive for as long as it runs.
class CueVoice {
public:
    static std::shared_ptr<CueVoice> start(std::shared_ptr<const CueSounds> sounds);

    // Hands a cue over; false, and nothing taken, when the voice is stuck.
    bool offer(Cue cue, Clock::time_point checkedAt);
    // Asks the voice to end as soon as it runs again.
    void leave();

private:
    struct Request {
        Cue cue;
        Clock::time_point checkedAt;
    };

    explicit CueVoice(std::shared_ptr<const CueSounds> sounds);

    void run(pa_mainloop* loop);
    void begin(const Request& request);
    void connect();
    void startWaiting();
    void giveUpLate();
    int microsecondsToDeadline() const;
    void disconnect();

    static void onContextState(pa_context* context, void* self);

    const std::shared_ptr<const CueSounds> m_sounds;

    // Shared with the threads that offer cues.
    std::mutex m_mutex;
    std::vector<Request> m_mail;
    std::optional<Clock::time_point> m_busySince; // out of its wait on the server since
    pa_mainloop* m_loop = nullptr; // written by the voice's thread alone, once it ends
    bool m_left = false;

    // The voice's own thread alone.
    pa_context* m_context = nullptr;
    bool m_contextGone = false;
    std::vector<Request> m_waiting; // for the connection to be ready
    std::list<CueStream> m_streams;
};

} // namespace sostav
