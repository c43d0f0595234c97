#include "Canvas.h"

namespace sostav::draw {

QImage paintOnWhite(QSize size, int scale, const std::function<void(QPainter&)>& paint)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    paint(painter);
    return image;
}

} // namespace sostav::draw
