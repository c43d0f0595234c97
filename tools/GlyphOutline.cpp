#include "GlyphOutline.h"

#include <QFont>
#include <QFontInfo>
#include <QTransform>

namespace sostav::draw {

namespace {

QFont liberationSans(GlyphWeight weight)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setHintingPreference(QFont::PreferNoHinting);
    // A large size keeps the outline's curves exact before it is scaled down.
    font.setPixelSize(400);
    font.setWeight(weight == GlyphWeight::Bold ? QFont::Bold : QFont::Normal);
    return font;
}

QPainterPath rawGlyphs(const QString& text, GlyphWeight weight)
{
    QPainterPath path;
    path.addText(0, 0, liberationSans(weight), text);
    return path;
}

QPainterPath mapped(const QPainterPath& path, const QRectF& from, const QRectF& to)
{
    QTransform transform;
    transform.translate(to.left(), to.top());
    transform.scale(to.width() / from.width(), to.height() / from.height());
    transform.translate(-from.left(), -from.top());
    return transform.map(path);
}

} // namespace

bool glyphFontAvailable()
{
    return QFontInfo(liberationSans(GlyphWeight::Regular)).family() == QStringLiteral("Liberation Sans")
        && QFontInfo(liberationSans(GlyphWeight::Bold)).family() == QStringLiteral("Liberation Sans");
}

QPainterPath fittedGlyphs(const QString& text, const QRectF& box, GlyphWeight weight)
{
    const QPainterPath path = rawGlyphs(text, weight);
    return mapped(path, path.boundingRect(), box);
}

QPainterPath centredGlyphs(const QString& text, QPointF centre, qreal inkHeight, GlyphWeight weight)
{
    const QPainterPath path = rawGlyphs(text, weight);
    const QRectF ink = path.boundingRect();
    const qreal width = ink.width() * inkHeight / ink.height();
    return mapped(path, ink, QRectF(centre.x() - width / 2, centre.y() - inkHeight / 2, width, inkHeight));
}

} // namespace sostav::draw
