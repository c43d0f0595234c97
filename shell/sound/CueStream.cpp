#include "shell/sound/CueStream.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sostav {

namespace {

// A cue cut short by its own restart fades out over this long instead of stopping at full
// level, which clicks.
constexpr int FadeMilliseconds = 5;

// The server's buffer for a cue, latency included: short, so that a restart's fade begins
// soon after the check; long enough that a busy machine does not starve the sound.
constexpr pa_usec_t BufferUsec = 60'000;

} // namespace

CueStream::CueStream(pa_context* context, const CueSound& sound, Cue cue, Clock::time_point checkedAt)
    : m_sound(sound)
    , m_cue(cue)
    , m_checkedAt(checkedAt)
{
    const pa_sample_spec spec {PA_SAMPLE_S16LE, sound.rate, 1};
    // The mixer shows the program's name for it, the name it remembers a volume by.
    m_stream = pa_stream_new(context, "Состав числа", &spec, nullptr);
    if (!m_stream)
        return;
    pa_buffer_attr buffer;
    buffer.maxlength = buffer.prebuf = buffer.minreq = buffer.fragsize = std::uint32_t(-1);
    buffer.tlength = std::uint32_t(pa_usec_to_bytes(BufferUsec, &spec));
    pa_stream_set_state_callback(m_stream, &CueStream::onState, this);
    pa_stream_set_write_callback(m_stream, &CueStream::onWrite, this);
    if (pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        release();
}

CueStream::~CueStream()
{
    release();
}

bool CueStream::finished() const
{
    if (!m_stream)
        return true;
    const pa_stream_state_t state = pa_stream_get_state(m_stream);
    return state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED;
}

void CueStream::fadeOut()
{
    if (m_next == 0)
        release(); // nothing of it is heard yet
    else if (m_fadeLeft < 0 && !m_allWritten)
        m_fadeLeft = int(m_sound.rate) * FadeMilliseconds / 1000;
}

void CueStream::write(std::size_t bytes)
{
    if (m_allWritten)
        return;
    const std::size_t left = m_sound.samples.size() - m_next;
    std::size_t count = std::min(bytes / sizeof(std::int16_t), left);
    if (m_fadeLeft >= 0)
        count = std::min(count, std::size_t(m_fadeLeft));
    std::vector<std::int16_t> chunk(
        m_sound.samples.begin() + std::ptrdiff_t(m_next), m_sound.samples.begin() + std::ptrdiff_t(m_next + count));
    if (m_fadeLeft >= 0) {
        // A raised cosine from the cue's level down to nothing.
        const double length = m_sound.rate * FadeMilliseconds / 1000.0;
        for (std::size_t i = 0; i < count; ++i) {
            const double done = (length - m_fadeLeft + double(i)) / length;
            chunk[i] = std::int16_t(std::lround(chunk[i] * 0.5 * (1 + std::cos(std::numbers::pi * done))));
        }
        m_fadeLeft -= int(count);
    }
    if (count > 0)
        pa_stream_write(m_stream, chunk.data(), count * sizeof(std::int16_t), nullptr, 0, PA_SEEK_RELATIVE);
    m_next += count;
    if (m_next < m_sound.samples.size() && m_fadeLeft != 0)
        return;
    // What was written still plays; the stream goes once it has.
    m_allWritten = true;
    if (pa_operation* drain = pa_stream_drain(m_stream, &CueStream::onDrained, this))
        pa_operation_unref(drain);
    else
        release();
}

void CueStream::release()
{
    if (!m_stream)
        return;
    // Disconnecting cancels the drain still under way, so its callback never comes.
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_write_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
}

void CueStream::onState(pa_stream* stream, void* self)
{
    if (pa_stream_get_state(stream) == PA_STREAM_READY)
        static_cast<CueStream*>(self)->m_started = true;
}

void CueStream::onWrite(pa_stream*, std::size_t bytes, void* self)
{
    static_cast<CueStream*>(self)->write(bytes);
}

void CueStream::onDrained(pa_stream*, int, void* self)
{
    static_cast<CueStream*>(self)->release();
}

} // namespace sostav
