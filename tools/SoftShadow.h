#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

namespace sostav::draw {

// A blurred copy of a shape, for the soft drop shadow under a disc: a transparent image of
// `size` holding `shape` filled with `colour` and blurred by `radius` pixels. `shape` is in the
// image's pixel coordinates. Qt's own blur lives in the widgets module, so a few box-blur passes
// (close to a Gaussian) do it here.
QImage softShadow(QSize size, const QPainterPath& shape, const QColor& colour, int radius);

} // namespace sostav::draw
