#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace sostav::draw {

// Outlines of digits in Liberation Sans, placed by their ink rather than by font metrics,
// so a picture's digits land on exact pixels whatever the font's side bearings are.
class GlyphOutline {
public:
    enum class Weight { Regular, Bold };

    // The outline stretched so that its ink fills exactly `box`.
    static QPainterPath fitted(const QString& text, const QRectF& box, Weight weight);
    // The outline scaled evenly to `inkHeight`, its ink box centred on `centre`.
    static QPainterPath centred(const QString& text, QPointF centre, qreal inkHeight, Weight weight);

    // False when Liberation Sans is not installed; the pictures must not silently fall back.
    static bool fontAvailable();

private:
    static QPainterPath raw(const QString& text, Weight weight);
};

} // namespace sostav::draw
