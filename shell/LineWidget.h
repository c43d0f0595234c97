#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace sostav {

// A straight line drawn inside its own bounding box. Only the stroke is painted, so
// whatever lies behind the rest of the box stays visible.
class LineWidget : public QWidget {
    Q_OBJECT

public:
    LineWidget(QWidget* parent, QColor colour);

    // `ends` is in the parent's pixel coordinates; a width may be fractional on a shrunk screen.
    void setEnds(QLine ends, qreal width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_ends;
    qreal m_width = 1;
    QColor m_colour;
};

} // namespace sostav
