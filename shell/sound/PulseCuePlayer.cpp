#include "shell/sound/PulseCuePlayer.h"

#include <QFile>

#include <cstring>

namespace sostav {

namespace {

// A cue as drawn into assets/: 16-bit mono PCM in a RIFF file, built into the module.
CueSound readCue(const char* name)
{
    QFile file(QStringLiteral(":/cues/cue-%1.wav").arg(QLatin1String(name)));
    CueSound sound;
    if (!file.open(QIODevice::ReadOnly))
        return sound;
    const QByteArray riff = file.readAll();
    for (qsizetype at = 12; at + 8 <= riff.size();) {
        const QByteArray id = riff.mid(at, 4);
        std::uint32_t size = 0;
        std::memcpy(&size, riff.constData() + at + 4, 4);
        const char* body = riff.constData() + at + 8;
        if (at + 8 + qsizetype(size) > riff.size())
            break;
        if (id == "fmt " && size >= 8)
            std::memcpy(&sound.rate, body + 4, 4);
        else if (id == "data")
            sound.samples.assign(
                reinterpret_cast<const std::int16_t*>(body), reinterpret_cast<const std::int16_t*>(body) + size / 2);
        at += 8 + qsizetype(size) + (size & 1);
    }
    return sound;
}

} // namespace

PulseCuePlayer::PulseCuePlayer()
    : m_sounds(std::make_shared<const CueSounds>(CueSounds {readCue("right"), readCue("wrong")}))
{
}

PulseCuePlayer::~PulseCuePlayer()
{
    const std::lock_guard lock(m_mutex);
    if (m_voice)
        m_voice->leave();
}

void PulseCuePlayer::play(Cue cue, Clock::time_point checkedAt)
{
    const std::lock_guard lock(m_mutex);
    if (m_voice && m_voice->offer(cue, checkedAt))
        return;
    // No voice yet, or one stuck in the sound system: it is left to itself.
    if (m_voice)
        m_voice->leave();
    m_voice = CueVoice::start(m_sounds);
    m_voice->offer(cue, checkedAt);
}

} // namespace sostav
