#include "shell/LineWidget.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace sostav {

LineWidget::LineWidget(QWidget* parent, QColor colour)
    : QWidget(parent)
    , m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::setEnds(QLine ends, qreal width)
{
    m_ends = ends;
    m_width = width;
    const int pad = int(std::ceil(width / 2)) + 1;
    setGeometry(QRect(ends.p1(), ends.p2()).normalized().adjusted(-pad, -pad, pad, pad));
    update();
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_ends.translated(-pos()));
}

} // namespace sostav
