#include "SoftShadow.h"

#include <QPainter>

#include <vector>

namespace sostav::draw {

namespace {

// One box pass over a line of premultiplied ARGB pixels; `stride` steps from one pixel to the next.
void boxLine(QRgb* first, int count, int stride, int radius)
{
    std::vector<QRgb> source(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        source[static_cast<std::size_t>(i)] = first[i * stride];
    const int window = 2 * radius + 1;
    for (int i = 0; i < count; ++i) {
        int a = 0, r = 0, g = 0, b = 0;
        for (int j = i - radius; j <= i + radius; ++j) {
            if (j < 0 || j >= count)
                continue;
            const QRgb pixel = source[static_cast<std::size_t>(j)];
            a += qAlpha(pixel);
            r += qRed(pixel);
            g += qGreen(pixel);
            b += qBlue(pixel);
        }
        first[i * stride] = qRgba(r / window, g / window, b / window, a / window);
    }
}

void blurRows(QImage& image, int radius)
{
    for (int y = 0; y < image.height(); ++y)
        boxLine(reinterpret_cast<QRgb*>(image.scanLine(y)), image.width(), 1, radius);
}

void blurColumns(QImage& image, int radius)
{
    const int stride = static_cast<int>(image.bytesPerLine() / 4);
    auto* bits = reinterpret_cast<QRgb*>(image.bits());
    for (int x = 0; x < image.width(); ++x)
        boxLine(bits + x, image.height(), stride, radius);
}

} // namespace

QImage softShadow(QSize size, const QPainterPath& shape, const QColor& colour, int radius)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(shape, colour);
    }
    // Three box passes make a near-Gaussian falloff with no visible rings.
    const int passRadius = qMax(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        blurRows(image, passRadius);
        blurColumns(image, passRadius);
    }
    return image;
}

} // namespace sostav::draw
