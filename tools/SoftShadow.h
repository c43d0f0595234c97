#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

namespace sostav::draw {

// A blurred copy of a shape, for the soft drop shadow under a disc. Qt's own blur lives in
// the widgets module, so a few box-blur passes (close to a Gaussian) do it here.
class SoftShadow {
public:
    // A transparent image of `size` holding `shape` filled with `colour` and blurred by `radius`
    // pixels. `shape` is in the image's pixel coordinates.
    static QImage render(QSize size, const QPainterPath& shape, const QColor& colour, int radius);

private:
    static void blurRows(QImage& image, int radius);
    static void blurColumns(QImage& image, int radius);
};

} // namespace sostav::draw
