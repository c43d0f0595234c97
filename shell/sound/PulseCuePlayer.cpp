#include "shell/sound/PulseCuePlayer.h"

#include <QFile>

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
    const auto word = [&riff](qsizetype at) { // little-endian, as RIFF keeps its numbers
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = value << 8 | std::uint8_t(riff.at(at + i));
        return value;
    };
    for (qsizetype at = 12; at + 8 <= riff.size();) {
        const std::uint32_t size = word(at + 4);
        if (at + 8 + qsizetype(size) > riff.size())
            break;
        if (riff.mid(at, 4) == "fmt " && size >= 8)
            sound.rate = word(at + 12);
        for (qsizetype i = at + 8; riff.mid(at, 4) == "data" && i + 1 < at + 8 + qsizetype(size); i += 2)
            sound.samples.push_back(std::int16_t(word(i - 2) >> 16));
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
