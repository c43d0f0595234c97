#pragma once

#include <QImage>
#include <QPainter>

#include <functional>

namespace sostav::draw {

// A screen picture of `size` designed pixels, `scale` times as large, on white: `paint` draws
// on it antialiased, in designed pixels.
QImage paintOnWhite(QSize size, int scale, const std::function<void(QPainter&)>& paint);

} // namespace sostav::draw
