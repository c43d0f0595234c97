#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace sostav::draw {

// Outlines of digits in Liberation Sans, placed by their ink rather than by font metrics,
// so a picture's digits land on exact pixels whatever the font's side bearings are.

enum class GlyphWeight { Regular, Bold };

// The outline of `text` stretched so that its ink fills exactly `box`.
QPainterPath fittedGlyphs(const QString& text, const QRectF& box, GlyphWeight weight);
// The outline of `text` scaled evenly to `inkHeight`, its ink box centred on `centre`.
QPainterPath centredGlyphs(const QString& text, QPointF centre, qreal inkHeight, GlyphWeight weight);

// False when Liberation Sans is not installed; the pictures must not silently fall back.
bool glyphFontAvailable();

} // namespace sostav::draw
