#include "ToneSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sostav::draw {

namespace {

// Long enough to round off the start of a sine, short enough to still sound struck.
constexpr double AttackSeconds = 0.012;

// The overtones that make a plain sine sound like a soft mallet: the octave and the twelfth,
// weaker than the fundamental and dying away faster than it.
struct Partial {
    double multiple;
    double level;
    double decayPower;
};
constexpr Partial Partials[] = {{1, 1.0, 2}, {2, 0.3, 4}, {3, 0.08, 6}};

// Level of a partial `seconds` into a note: a smooth rise from zero over the attack, then a
// fall that reaches zero with a flat tangent exactly at the note's end.
double envelope(const Note& note, double seconds, double decayPower)
{
    if (seconds <= 0 || seconds >= note.length)
        return 0;
    const double rise = std::sin(std::numbers::pi / 2 * std::min(seconds / AttackSeconds, 1.0));
    return rise * rise * std::pow(1 - seconds / note.length, decayPower);
}

void addNote(const Note& note, std::vector<double>& mix)
{
    const auto first = std::size_t(std::lround(note.start * SoundSampleRate));
    const auto count = std::size_t(std::ceil(note.length * SoundSampleRate));
    double phase = 0; // of the fundamental, in turns; summed so that a glide stays smooth
    for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
        const double seconds = double(i) / SoundSampleRate;
        double sample = 0;
        for (const Partial& partial : Partials) {
            sample += partial.level * envelope(note, seconds, partial.decayPower)
                * std::sin(2 * std::numbers::pi * partial.multiple * phase);
        }
        mix[first + i] += note.loudness * sample;
        const double frequency = note.frequency * std::pow(note.glide, seconds / note.length);
        phase = std::fmod(phase + frequency / SoundSampleRate, 1.0);
    }
}

} // namespace

std::vector<std::int16_t> renderNotes(std::span<const Note> notes)
{
    double end = 0;
    for (const Note& note : notes)
        end = std::max(end, note.start + note.length);
    // One sample past the last note's end, so the sound closes on an exact zero.
    std::vector<double> mix(std::size_t(std::ceil(end * SoundSampleRate)) + 1, 0.0);
    for (const Note& note : notes)
        addNote(note, mix);
    std::vector<std::int16_t> samples;
    samples.reserve(mix.size());
    for (const double value : mix)
        samples.push_back(std::int16_t(std::lround(std::clamp(value, -1.0, 1.0) * 32767)));
    return samples;
}

} // namespace sostav::draw
