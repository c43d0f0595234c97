#include "PictureFile.h"

#include <QImageWriter>
#include <QtMath>

#include <cstdio>

namespace sostav::draw {

namespace {

bool write(const QImage& image, const QString& path, const char* format, int quality)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "sostav-draw: %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

} // namespace

bool writeJpeg(const QImage& image, const QString& path, int dotsPerInch)
{
    QImage copy = image.convertToFormat(QImage::Format_RGB32);
    if (dotsPerInch > 0) {
        // The JPEG writer rounds dots per metre back to whole dots per inch.
        const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
        copy.setDotsPerMeterX(dotsPerMetre);
        copy.setDotsPerMeterY(dotsPerMetre);
    }
    return write(copy, path, "jpg", JpegQuality);
}

bool writePng(const QImage& image, const QString& path)
{
    return write(image, path, "png", -1);
}

} // namespace sostav::draw
