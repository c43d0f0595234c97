#include "SoundFile.h"

#include <QByteArray>
#include <QFile>

#include <cstdio>

namespace sostav::draw {

namespace {

// RIFF numbers are little-endian whatever the machine.
void appendLittleEndian(QByteArray& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xff));
}

} // namespace

bool writeWav(std::span<const std::int16_t> samples, int sampleRate, const QString& path)
{
    constexpr int bytesPerSample = 2;
    const auto dataSize = std::uint32_t(samples.size() * bytesPerSample);
    QByteArray bytes("RIFF");
    appendLittleEndian(bytes, 36 + dataSize, 4);
    bytes.append("WAVEfmt ");
    appendLittleEndian(bytes, 16, 4); // size of the format chunk
    appendLittleEndian(bytes, 1, 2); // integer PCM
    appendLittleEndian(bytes, 1, 2); // one channel
    appendLittleEndian(bytes, std::uint32_t(sampleRate), 4);
    appendLittleEndian(bytes, std::uint32_t(sampleRate * bytesPerSample), 4); // bytes per second
    appendLittleEndian(bytes, bytesPerSample, 2); // bytes per frame
    appendLittleEndian(bytes, 8 * bytesPerSample, 2); // bits per sample
    bytes.append("data");
    appendLittleEndian(bytes, dataSize, 4);
    for (const std::int16_t sample : samples)
        appendLittleEndian(bytes, std::uint16_t(sample), 2);

    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    std::fprintf(stderr, "sostav-draw: %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
    return false;
}

} // namespace sostav::draw
