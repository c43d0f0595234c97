#include "AppIcon.h"

#include "GlyphOutline.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace sostav::draw {

namespace {

// Everything is laid out on a 256-unit tile and scaled to the requested size.
constexpr qreal Tile = 256;
const QColor orange(255, 128, 0);
const QColor deepGreen(24, 120, 40);

void paintOutlinedText(
    QPainter& painter, const QPainterPath& text, const QColor& fill, const QColor& edge, qreal outline)
{
    painter.setPen(QPen(edge, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);
    painter.setPen(Qt::NoPen);
    painter.fillPath(text, fill);
}

void paintTile(QPainter& painter)
{
    const QRectF outer(8, 8, Tile - 16, Tile - 16);
    QLinearGradient body(0, outer.top(), 0, outer.bottom());
    body.setColorAt(0.0, QColor(120, 214, 96));
    body.setColorAt(1.0, QColor(46, 160, 62));
    painter.setPen(QPen(deepGreen, 8));
    painter.setBrush(body);
    painter.drawRoundedRect(outer, 44, 44);

    // A soft sheen over the upper half of the tile.
    QPainterPath sheen;
    sheen.addRoundedRect(outer.adjusted(10, 10, -10, -outer.height() / 2), 36, 36);
    QLinearGradient light(0, outer.top(), 0, outer.center().y());
    light.setColorAt(0.0, QColor(255, 255, 255, 90));
    light.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.fillPath(sheen, light);
}

void paintDiagram(QPainter& painter)
{
    const QPainterPath ten = centredGlyphs(QStringLiteral("10"), QPointF(128, 72), 78, GlyphWeight::Bold);
    paintOutlinedText(painter, ten, orange, Qt::white, 14);

    const QRectF leftBox(34, 150, 72, 78);
    const QRectF rightBox(150, 150, 72, 78);
    painter.setPen(QPen(Qt::white, 12, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(108, 118), QPointF(leftBox.center().x() + 6, leftBox.top() - 4));
    painter.drawLine(QPointF(148, 118), QPointF(rightBox.center().x() - 6, rightBox.top() - 4));

    painter.setPen(QPen(Qt::white, 6));
    painter.setBrush(orange);
    painter.drawRoundedRect(leftBox, 14, 14);
    painter.drawRoundedRect(rightBox, 14, 14);
    painter.setPen(Qt::NoPen);
    painter.fillPath(centredGlyphs(QStringLiteral("3"), leftBox.center(), 48, GlyphWeight::Bold), Qt::white);
    painter.fillPath(centredGlyphs(QStringLiteral("7"), rightBox.center(), 48, GlyphWeight::Bold), Qt::white);
}

void paintNumberOnly(QPainter& painter)
{
    const QPainterPath ten = centredGlyphs(QStringLiteral("10"), QPointF(128, 130), 168, GlyphWeight::Bold);
    // At a few pixels orange on green blurs together; white digits edged in dark green stay crisp.
    paintOutlinedText(painter, ten, Qt::white, deepGreen, 22);
}

// Straight alpha from premultiplied by Qt's plain integer formula, which premultiplies back to
// exactly the pixels drawn. QImage::convertToFormat picks a vector routine by processor instead,
// and those round a few levels differently; the committed icons have to come out the same on
// every machine that draws them.
QImage straightAlpha(const QImage& premultiplied)
{
    QImage image(premultiplied.size(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            to[x] = qUnpremultiply(from[x]);
    }
    return image;
}

} // namespace

QImage drawAppIcon(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / Tile, pixels / Tile);
    paintTile(painter);
    if (pixels >= 48)
        paintDiagram(painter);
    else
        paintNumberOnly(painter);
    painter.end();
    return straightAlpha(image);
}

} // namespace sostav::draw
