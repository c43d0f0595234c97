#pragma once

#include <QString>

#include <cstdint>
#include <span>

namespace sostav::draw {

// Writes mono 16-bit samples at `sampleRate` as a PCM WAV file: the plainest form that every
// sound library reads, with no encoder of its own to install or to change the bytes.
bool writeWav(std::span<const std::int16_t> samples, int sampleRate, const QString& path);

} // namespace sostav::draw
