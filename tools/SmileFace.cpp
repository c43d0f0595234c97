#include "SmileFace.h"

#include "Canvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace sostav::draw {

namespace {

constexpr QPointF Centre {106, 106};
constexpr qreal RimRadius = 105;
constexpr qreal DiscRadius = 102.5;

void paintDisc(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(208, 208, 208));
    painter.drawEllipse(Centre, RimRadius, RimRadius);

    // Pale in the upper part, full yellow through the middle and a touch deeper at the bottom.
    QLinearGradient body(0, Centre.y() - DiscRadius, 0, Centre.y() + DiscRadius);
    body.setColorAt(0.00, QColor(250, 248, 175));
    body.setColorAt(0.22, QColor(244, 236, 110));
    body.setColorAt(0.45, QColor(236, 224, 38));
    body.setColorAt(0.75, QColor(235, 222, 28));
    body.setColorAt(1.00, QColor(222, 198, 18));
    painter.setBrush(body);
    painter.drawEllipse(Centre, DiscRadius, DiscRadius);

    // Darkening towards the edge makes the disc read as a ball rather than a flat plate.
    QRadialGradient shade(Centre, DiscRadius);
    shade.setColorAt(0.00, QColor(255, 255, 255, 0));
    shade.setColorAt(0.80, QColor(200, 150, 0, 0));
    shade.setColorAt(1.00, QColor(190, 140, 0, 70));
    painter.setBrush(shade);
    painter.drawEllipse(Centre, DiscRadius, DiscRadius);
}

void paintGloss(QPainter& painter)
{
    const QRectF gloss(Centre.x() - 68, Centre.y() - 96, 136, 74);
    QRadialGradient light(gloss.center(), gloss.width() / 2);
    light.setColorAt(0.0, QColor(255, 255, 255, 200));
    light.setColorAt(0.6, QColor(255, 255, 255, 90));
    light.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.save();
    // Squash the circular gradient into the flat ellipse of the highlight.
    painter.translate(gloss.center());
    painter.scale(1.0, gloss.height() / gloss.width());
    painter.translate(-gloss.center());
    painter.setBrush(light);
    painter.drawEllipse(gloss.center(), gloss.width() / 2, gloss.width() / 2);
    painter.restore();
}

void paintEyes(QPainter& painter)
{
    for (const qreal x : {Centre.x() - 31, Centre.x() + 31}) {
        painter.setBrush(Qt::black);
        painter.drawEllipse(QPointF(x, 80), 11.5, 22);
        // A small glint keeps the eyes lively.
        painter.setBrush(QColor(255, 255, 255, 230));
        painter.drawEllipse(QPointF(x - 3.5, 70), 3.2, 5);
    }
}

void paintMouth(QPainter& painter)
{
    QPainterPath smile;
    smile.moveTo(52, 121);
    smile.cubicTo(68, 192, 144, 192, 160, 121);
    smile.cubicTo(138, 158, 74, 158, 52, 121);
    // A round pen softens the points where the smile's two curves meet.
    painter.setPen(QPen(Qt::black, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::black);
    painter.drawPath(smile);
    painter.setPen(Qt::NoPen);
}

} // namespace

QImage drawSmileFace(int scale)
{
    return paintOnWhite(SmileFaceSize, scale, [](QPainter& painter) {
        paintDisc(painter);
        paintGloss(painter);
        paintEyes(painter);
        paintMouth(painter);
    });
}

} // namespace sostav::draw
