#include "VerdictCues.h"

#include "ToneSynth.h"

namespace sostav::draw {

namespace {

// Equal-tempered pitches, hertz.
constexpr double C5 = 523.25;
constexpr double E5 = 659.26;
constexpr double G5 = 783.99;
constexpr double G4 = 392.00;
constexpr double E4 = 329.63;

// A player that closes its stream as soon as it has handed the last sample to the sound
// server loses what the server still holds: up to 160 ms on PulseAudio. Each cue ends in a
// stretch of silence longer than that, so that whatever plays it, only silence is lost.
constexpr double SilentTailSeconds = 0.25;

std::vector<std::int16_t> withSilentTail(std::vector<std::int16_t> samples)
{
    samples.resize(samples.size() + std::size_t(SilentTailSeconds * SoundSampleRate), 0);
    return samples;
}

} // namespace

std::vector<std::int16_t> renderRightCue()
{
    // Each note rings on under the next; the last, the top of the chord, rings longest.
    const Note notes[] = {
        {.start = 0.00, .length = 0.24, .frequency = C5, .loudness = 0.30},
        {.start = 0.11, .length = 0.24, .frequency = E5, .loudness = 0.30},
        {.start = 0.22, .length = 0.32, .frequency = G5, .loudness = 0.32},
    };
    return withSilentTail(renderNotes(notes));
}

std::vector<std::int16_t> renderWrongCue()
{
    // The second note sinks a little as it fades, like a gentle "oh-oh", not a fault tone.
    const Note notes[] = {
        {.start = 0.00, .length = 0.28, .frequency = G4, .loudness = 0.34},
        {.start = 0.18, .length = 0.36, .frequency = E4, .glide = 0.95, .loudness = 0.36},
    };
    return withSilentTail(renderNotes(notes));
}

} // namespace sostav::draw
