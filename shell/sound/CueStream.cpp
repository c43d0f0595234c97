#include "shell/sound/CueStream.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include <pulse/timeval.h>

namespace sostav {

namespace {

// A cue cut short by its own restart fades out over this long instead of stopping at full
// level, which clicks.
constexpr int FadeMilliseconds = 5;

// The server's buffer for a cue, latency included: nearly the whole cue, so that a busy
// machine, which can leave this thread waiting for the processor a tenth of a second and more,
// never starves the sound. A restart does not wait for it to play out: the fade is written
// over what the server has not read yet.
constexpr pa_usec_t BufferUsec = 500'000;
// Of that, what the sink plays ahead of mixing: short, so that a server that cannot rewind
// its sink starts a cue soon after its check.
constexpr pa_usec_t SinkUsec = 15'000;
// How far ahead of the server's reading a restart's fade begins: time for the fade to reach
// the server before it reads there.
constexpr pa_usec_t FadeAheadUsec = 30'000;

} // namespace

CueStream::CueStream(pa_context* context, const CueSound& sound, Cue cue, Clock::time_point checkedAt)
    : m_sound(sound)
    , m_cue(cue)
    , m_checkedAt(checkedAt)
{
    const pa_sample_spec format {PA_SAMPLE_S16LE, sound.rate, 1};
    // The mixer shows the program's name for it, the name it remembers a volume by.
    m_stream = pa_stream_new(context, "Состав числа", &format, nullptr);
    if (!m_stream)
        return;
    pa_buffer_attr buffer;
    buffer.maxlength = buffer.prebuf = buffer.fragsize = std::uint32_t(-1);
    buffer.tlength = std::uint32_t(pa_usec_to_bytes(BufferUsec, &format));
    // The server keeps the sink at half of what is left of the buffer after two refills.
    buffer.minreq = std::uint32_t(pa_usec_to_bytes(BufferUsec / 2 - SinkUsec, &format));
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
    // A stream that has played out is let go in its drain's callback, and may still be
    // listed when a check restarts its cue; libpulse aborts on a stream that is gone.
    if (finished())
        return;
    if (m_next == 0)
        release(); // nothing of it is heard yet
    else if (m_fadeLeft < 0 && !m_asked) // where the server reads decides where the fade goes
        m_asked = pa_stream_update_timing_info(m_stream, &CueStream::onTiming, this);
}

void CueStream::fadeAtServer(bool known)
{
    pa_operation_unref(std::exchange(m_asked, nullptr));
    const pa_timing_info* timing = known ? pa_stream_get_timing_info(m_stream) : nullptr;
    if (!timing || timing->read_index_corrupt) { // then after all that is queued
        if (!m_allWritten)
            m_fadeLeft = fadeLength();
        return;
    }
    // The same index as the cue's samples: every write but this one follows the one before.
    const auto ahead = pa_timeval_age(&timing->timestamp) + FadeAheadUsec;
    const std::size_t from
        = std::size_t(timing->read_index) / sizeof(std::int16_t) + std::size_t(ahead * m_sound.rate / PA_USEC_PER_SEC);
    if (from >= m_next) { // the queue is all but played
        if (!m_allWritten)
            m_fadeLeft = fadeLength();
        return;
    }
    // The fade, then silence over the rest of what was queued.
    const std::size_t end = std::max(m_next, std::min(from + std::size_t(fadeLength()), m_sound.samples.size()));
    std::vector<std::int16_t> chunk = faded(from, end - from, 0);
    std::fill(chunk.begin() + std::min<std::ptrdiff_t>(fadeLength(), std::ptrdiff_t(chunk.size())), chunk.end(), 0);
    pa_stream_write(m_stream, chunk.data(), chunk.size() * sizeof(std::int16_t), nullptr,
        std::int64_t(from * sizeof(std::int16_t)), PA_SEEK_ABSOLUTE);
    m_next = end;
    if (!m_allWritten)
        drain();
}

int CueStream::fadeLength() const
{
    return int(m_sound.rate) * FadeMilliseconds / 1000;
}

std::vector<std::int16_t> CueStream::faded(std::size_t from, std::size_t count, int fadeDone) const
{
    std::vector<std::int16_t> chunk(
        m_sound.samples.begin() + std::ptrdiff_t(from), m_sound.samples.begin() + std::ptrdiff_t(from + count));
    if (fadeDone < 0)
        return chunk;
    // A raised cosine from the cue's level down to nothing.
    const double length = fadeLength();
    for (std::size_t i = 0; i < count && fadeDone + int(i) < fadeLength(); ++i) {
        const double done = (fadeDone + double(i)) / length;
        chunk[i] = std::int16_t(std::lround(chunk[i] * 0.5 * (1 + std::cos(std::numbers::pi * done))));
    }
    return chunk;
}

void CueStream::write(std::size_t bytes)
{
    if (m_allWritten)
        return;
    const std::size_t left = m_sound.samples.size() - m_next;
    std::size_t count = std::min(bytes / sizeof(std::int16_t), left);
    if (m_fadeLeft >= 0)
        count = std::min(count, std::size_t(m_fadeLeft));
    const std::vector<std::int16_t> chunk = faded(m_next, count, m_fadeLeft < 0 ? -1 : fadeLength() - m_fadeLeft);
    if (m_fadeLeft >= 0)
        m_fadeLeft -= int(count);
    if (count > 0)
        pa_stream_write(m_stream, chunk.data(), count * sizeof(std::int16_t), nullptr, 0, PA_SEEK_RELATIVE);
    m_next += count;
    if (m_next < m_sound.samples.size() && m_fadeLeft != 0)
        return;
    drain();
}

void CueStream::drain()
{
    // What was written still plays; the stream goes once it has.
    m_allWritten = true;
    if (pa_operation* drain = pa_stream_drain(m_stream, &CueStream::onDrained, this))
        pa_operation_unref(drain);
    else
        release();
}

void CueStream::release()
{
    if (m_asked) {
        pa_operation_cancel(m_asked);
        pa_operation_unref(std::exchange(m_asked, nullptr));
    }
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

void CueStream::onTiming(pa_stream*, int success, void* self)
{
    static_cast<CueStream*>(self)->fadeAtServer(success != 0);
}

void CueStream::onDrained(pa_stream*, int, void* self)
{
    static_cast<CueStream*>(self)->release();
}

} // namespace sostav
