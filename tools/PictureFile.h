#pragma once

#include <QImage>
#include <QString>

namespace sostav::draw {

// Writes drawn pictures to disk. JPEG quality is high enough that no 8x8 blocks show
// around the sharp black edges of digits and outlines.
class PictureFile {
public:
    static constexpr int jpegQuality = 95;

    // Writes `image` as JPEG. A positive `dotsPerInch` is written into the file's header;
    // otherwise the image's own density is kept.
    static bool writeJpeg(const QImage& image, const QString& path, int dotsPerInch = 0);
    static bool writePng(const QImage& image, const QString& path);
    // Writes the bare 32-bit ARGB pixels, row by row in the machine's byte order. The
    // program takes its window icon from these: no decoder and no image plugin to load
    // before the first window appears.
    static bool writeRawArgb(const QImage& image, const QString& path);
};

} // namespace sostav::draw
