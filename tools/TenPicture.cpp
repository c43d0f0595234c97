#include "TenPicture.h"

#include "Canvas.h"
#include "GlyphOutline.h"

namespace sostav::draw {

QImage drawTenPicture(int scale)
{
    return paintOnWhite(TenPictureSize, scale, [](QPainter& painter) {
        // Ink boxes as whole pixels: columns 2..30 and 56..106, rows 13..92 inclusive.
        const QRectF one(2, 13, 29, 80);
        const QRectF zero(56, 13, 51, 80);
        painter.fillPath(fittedGlyphs(QStringLiteral("1"), one, GlyphWeight::Regular), Qt::black);
        painter.fillPath(fittedGlyphs(QStringLiteral("0"), zero, GlyphWeight::Regular), Qt::black);
    });
}

} // namespace sostav::draw
