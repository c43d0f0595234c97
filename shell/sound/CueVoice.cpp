#include "shell/sound/CueVoice.h"

#include <pulse/proplist.h>

#include <algorithm>
#include <thread>

namespace sostav {

std::shared_ptr<CueVoice> CueVoice::start(std::shared_ptr<const CueSounds> sounds)
{
    std::shared_ptr<CueVoice> voice(new CueVoice(std::move(sounds)));
    voice->m_loop = pa_mainloop_new();
    // Never joined: a thread stuck in the sound system must not hold anything up.
    std::thread([voice] { voice->run(voice->m_loop); }).detach();
    return voice;
}

CueVoice::CueVoice(std::shared_ptr<const CueSounds> sounds)
    : m_sounds(std::move(sounds))
{
}

bool CueVoice::offer(Cue cue, Clock::time_point checkedAt)
{
    const std::lock_guard lock(m_mutex);
    const auto now = Clock::now();
    if ((m_busySince && now - *m_busySince > CueDeadline)
        || (!m_mail.empty() && now - m_mail.front().checkedAt > CueDeadline))
        return false;
    m_mail.push_back({cue, checkedAt});
    if (m_loop)
        pa_mainloop_wakeup(m_loop); // a write to a pipe that never blocks
    return true;
}

void CueVoice::leave()
{
    const std::lock_guard lock(m_mutex);
    m_left = true;
    if (m_loop)
        pa_mainloop_wakeup(m_loop);
}

void CueVoice::run(pa_mainloop* loop)
{
    for (;;) {
        std::vector<Request> mail;
        {
            const std::lock_guard lock(m_mutex);
            if (m_left)
                break;
            mail.swap(m_mail);
        }
        if (m_contextGone)
            disconnect();
        m_streams.remove_if([](const CueStream& stream) { return stream.finished(); });
        for (const Request& request : mail)
            begin(request);
        startWaiting();
        giveUpLate();
        {
            const std::lock_guard lock(m_mutex);
            m_busySince.reset();
        }
        if (pa_mainloop_prepare(loop, microsecondsToDeadline()) < 0 || pa_mainloop_poll(loop) < 0)
            break;
        {
            const std::lock_guard lock(m_mutex);
            m_busySince = Clock::now();
        }
        if (pa_mainloop_dispatch(loop) < 0)
            break;
    }
    disconnect();
    {
        const std::lock_guard lock(m_mutex);
        m_loop = nullptr;
    }
    pa_mainloop_free(loop);
}

void CueVoice::begin(const Request& request)
{
    if (Clock::now() - request.checkedAt > CueDeadline)
        return;
    // The same cue, if it still sounds, gives way to its restart; the other rings out under it.
    for (CueStream& stream : m_streams) {
        if (stream.cue() == request.cue)
            stream.fadeOut();
    }
    if (!m_context)
        connect();
    if (m_context)
        m_waiting.push_back(request);
}

void CueVoice::connect()
{
    // How the program is named in the desktop's sound mixer, where a teacher can turn this
    // one program down; the server remembers the setting by this name.
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Состав числа");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "org.sostav.Sostav");
    m_context = pa_context_new_with_proplist(pa_mainloop_get_api(m_loop), nullptr, properties);
    pa_proplist_free(properties);
    m_contextGone = false;
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, &CueVoice::onContextState, this);
    // Starting a sound server is the desktop's business, not a trainer's.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        disconnect();
}

void CueVoice::startWaiting()
{
    if (!m_context || pa_context_get_state(m_context) != PA_CONTEXT_READY)
        return;
    for (const Request& request : std::exchange(m_waiting, {}))
        m_streams.emplace_back(m_context, (*m_sounds)[std::size_t(request.cue)], request.cue, request.checkedAt);
}

void CueVoice::giveUpLate()
{
    // A server that has not let a cue start within its second is not answering: the
    // connection goes, so that nothing it still holds of the cue sounds when it answers again.
    const auto late = [now = Clock::now()](Clock::time_point checkedAt) { return now - checkedAt > CueDeadline; };
    if (std::any_of(m_waiting.begin(), m_waiting.end(), [&](const Request& r) { return late(r.checkedAt); })
        || std::any_of(m_streams.begin(), m_streams.end(),
            [&](const CueStream& s) { return !s.started() && !s.finished() && late(s.checkedAt()); }))
        disconnect();
}

int CueVoice::microsecondsToDeadline() const
{
    std::optional<Clock::time_point> first;
    const auto consider = [&first](Clock::time_point checkedAt) {
        if (!first || checkedAt + CueDeadline < *first)
            first = checkedAt + CueDeadline;
    };
    for (const Request& request : m_waiting)
        consider(request.checkedAt);
    for (const CueStream& stream : m_streams) {
        if (!stream.started() && !stream.finished())
            consider(stream.checkedAt());
    }
    if (!first)
        return -1; // nothing is waiting: sleep until woken
    const auto left = std::chrono::ceil<std::chrono::microseconds>(*first - Clock::now()).count();
    return int(std::clamp<decltype(left)>(left, 0, 1'000'000)) + 1;
}

void CueVoice::disconnect()
{
    m_streams.clear();
    m_waiting.clear();
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    m_contextGone = false;
}

void CueVoice::onContextState(pa_context* context, void* self)
{
    const pa_context_state_t state = pa_context_get_state(context);
    // Dealt with once the main loop hands back: a context is not freed inside its callback.
    if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED)
        static_cast<CueVoice*>(self)->m_contextGone = true;
}

} // namespace sostav
