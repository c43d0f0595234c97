#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace sostav::draw {

// Every sound of the program is mono at this rate: plenty for soft tones, and a rate every
// sound server plays without a second thought.
inline constexpr int SoundSampleRate = 44100;

// One soft tone: a few sine partials under an envelope that swells from silence and dies
// away to silence again, like a struck glass or a xylophone bar.
struct Note {
    double start = 0; // seconds from the beginning of the sound
    double length = 0; // seconds from the start until it has died away completely
    double frequency = 0; // of the fundamental as the note begins, hertz
    double glide = 1; // the fundamental as the note ends, as a multiple of `frequency`
    double loudness = 0; // peak of the fundamental, as a share of full scale
};

// The notes mixed into 16-bit samples, from the first note's start to the last one's end.
// The first and the last sample are exact zeros and the level swells and fades smoothly,
// so a sound never clicks where it begins or ends.
std::vector<std::int16_t> renderNotes(std::span<const Note> notes);

} // namespace sostav::draw
