#include "SurprisedFace.h"

#include "Canvas.h"
#include "SoftShadow.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace sostav::draw {

namespace {

constexpr QPointF Centre {100, 103};
constexpr qreal Radius = 93;

void paintShadow(QPainter& painter, int scale)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(Centre.x() + 3, Centre.y() + 5) * scale, (Radius + 1) * scale, (Radius + 1) * scale);
    const QImage shadow = softShadow(SurprisedFaceSize * scale, disc, QColor(90, 90, 90, 150), 5 * scale);
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, shadow);
    painter.restore();
}

void paintDisc(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    // Golden all over, deepening towards the top where the brows sit.
    QLinearGradient body(0, Centre.y() - Radius, 0, Centre.y() + Radius);
    body.setColorAt(0.00, QColor(228, 193, 7));
    body.setColorAt(0.30, QColor(246, 216, 16));
    body.setColorAt(0.55, QColor(255, 229, 22));
    body.setColorAt(1.00, QColor(255, 229, 22));
    painter.setBrush(body);
    painter.drawEllipse(Centre, Radius, Radius);

    QRadialGradient edge(Centre, Radius);
    edge.setColorAt(0.00, QColor(255, 255, 255, 0));
    edge.setColorAt(0.82, QColor(210, 150, 0, 0));
    edge.setColorAt(1.00, QColor(190, 130, 0, 55));
    painter.setBrush(edge);
    painter.drawEllipse(Centre, Radius, Radius);

    // The gloss: a soft light band across the lower cheeks and a bright spot at the upper left.
    QRadialGradient cheek(QPointF(Centre.x(), Centre.y() + 52), 62);
    cheek.setColorAt(0.0, QColor(255, 250, 200, 150));
    cheek.setColorAt(1.0, QColor(255, 250, 200, 0));
    painter.setBrush(cheek);
    painter.drawEllipse(Centre, Radius, Radius);

    QRadialGradient spot(QPointF(Centre.x() - 60, Centre.y() - 30), 20);
    spot.setColorAt(0.0, QColor(255, 255, 255, 190));
    spot.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(spot);
    painter.drawEllipse(QPointF(Centre.x() - 60, Centre.y() - 30), 20, 20);
}

void paintEyes(QPainter& painter)
{
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF eye(Centre.x() + side * 30, 77);
        painter.setPen(QPen(Qt::black, 3.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(eye, 26.5, 35);
        painter.setPen(Qt::NoPen);
        // Pupils a little towards the middle: the face stares straight at the child.
        const QPointF pupil(eye.x() - side * 5, eye.y() + 6);
        painter.setBrush(Qt::black);
        painter.drawEllipse(pupil, 13, 15);
        painter.setBrush(Qt::white);
        painter.drawEllipse(pupil + QPointF(-4, -5), 3.5, 4);
    }
}

void paintBrows(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 10, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (const qreal side : {-1.0, 1.0}) {
        const qreal inner = Centre.x() + side * 10;
        const qreal outer = Centre.x() + side * 56;
        QPainterPath brow;
        brow.moveTo(inner, 30);
        brow.quadTo(Centre.x() + side * 30, 4, outer, 28);
        painter.drawPath(brow);
    }
    painter.setPen(Qt::NoPen);
}

void paintMouth(QPainter& painter)
{
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(Centre.x(), 160), 14, 18);
}

} // namespace

QImage drawSurprisedFace(int scale)
{
    return paintOnWhite(SurprisedFaceSize, scale, [scale](QPainter& painter) {
        paintShadow(painter, scale);
        paintDisc(painter);
        paintEyes(painter);
        paintBrows(painter);
        paintMouth(painter);
    });
}

} // namespace sostav::draw
