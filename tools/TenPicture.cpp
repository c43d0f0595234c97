#include "TenPicture.h"

#include "GlyphOutline.h"

#include <QPainter>

namespace sostav::draw {

QImage TenPicture::draw(int scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    // Ink boxes as whole pixels: columns 2..30 and 56..106, rows 13..92 inclusive.
    const QRectF one(2, 13, 29, 80);
    const QRectF zero(56, 13, 51, 80);
    painter.fillPath(GlyphOutline::fitted(QStringLiteral("1"), one, GlyphOutline::Weight::Regular), Qt::black);
    painter.fillPath(GlyphOutline::fitted(QStringLiteral("0"), zero, GlyphOutline::Weight::Regular), Qt::black);
    return image;
}

} // namespace sostav::draw
