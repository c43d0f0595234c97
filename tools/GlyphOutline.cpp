#include "GlyphOutline.h"

#include <QFont>
#include <QFontInfo>
#include <QTransform>

namespace sostav::draw {

namespace {

QFont liberationSans(GlyphOutline::Weight weight)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setHintingPreference(QFont::PreferNoHinting);
    // A large size keeps the outline's curves exact before it is scaled down.
    font.setPixelSize(400);
    font.setWeight(weight == GlyphOutline::Weight::Bold ? QFont::Bold : QFont::Normal);
    return font;
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

bool GlyphOutline::fontAvailable()
{
    return QFontInfo(liberationSans(Weight::Regular)).family() == QStringLiteral("Liberation Sans")
        && QFontInfo(liberationSans(Weight::Bold)).family() == QStringLiteral("Liberation Sans");
}

QPainterPath GlyphOutline::raw(const QString& text, Weight weight)
{
    QPainterPath path;
    path.addText(0, 0, liberationSans(weight), text);
    return path;
}

QPainterPath GlyphOutline::fitted(const QString& text, const QRectF& box, Weight weight)
{
    const QPainterPath path = raw(text, weight);
    return mapped(path, path.boundingRect(), box);
}

QPainterPath GlyphOutline::centred(const QString& text, QPointF centre, qreal inkHeight, Weight weight)
{
    const QPainterPath path = raw(text, weight);
    const QRectF ink = path.boundingRect();
    const qreal width = ink.width() * inkHeight / ink.height();
    return mapped(path, ink, QRectF(centre.x() - width / 2, centre.y() - inkHeight / 2, width, inkHeight));
}

} // namespace sostav::draw
