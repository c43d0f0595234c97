#include "shell/LineWidget.h"

#include <QPainter>
#include <QPen>

namespace sostav {

LineWidget::LineWidget(QWidget* parent, QLine ends, int width, QColor colour)
    : QWidget(parent)
    , m_ends(ends)
    , m_width(width)
    , m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    const int pad = (width + 1) / 2 + 1;
    const QRect box = QRect(ends.p1(), ends.p2()).normalized().adjusted(-pad, -pad, pad, pad);
    setGeometry(box);
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_ends.translated(-pos()));
}

} // namespace sostav
