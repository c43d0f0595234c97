#include "PictureFile.h"

#include <QByteArray>
#include <QFile>
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
    return write(copy, path, "jpg", jpegQuality);
}

bool writePng(const QImage& image, const QString& path)
{
    return write(image, path, "png", -1);
}

bool writeRawRgba(const QImage& image, const QString& path)
{
    if (image.format() != QImage::Format_ARGB32) {
        std::fprintf(stderr, "sostav-draw: %s: raw pixels need straight alpha\n", qPrintable(path));
        return false;
    }
    // Byte by byte rather than a copy of the scan lines, whose 32-bit words follow the machine's byte order.
    QByteArray bytes;
    bytes.reserve(qsizetype(image.width()) * image.height() * 4);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = row[x];
            bytes.append(char(qRed(pixel))).append(char(qGreen(pixel))).append(char(qBlue(pixel)));
            bytes.append(char(qAlpha(pixel)));
        }
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    std::fprintf(stderr, "sostav-draw: %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
    return false;
}

} // namespace sostav::draw
