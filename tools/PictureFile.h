#pragma once

#include <QImage>
#include <QString>

namespace sostav::draw {

// JPEG quality high enough that no 8x8 blocks show around the sharp black edges of digits
// and outlines.
inline constexpr int JpegQuality = 95;

// Writes `image` as JPEG. A positive `dotsPerInch` is written into the file's header;
// otherwise the image's own density is kept.
bool writeJpeg(const QImage& image, const QString& path, int dotsPerInch = 0);
bool writePng(const QImage& image, const QString& path);

} // namespace sostav::draw
