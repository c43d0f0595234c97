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
    // `ends` is in the parent's pixel coordinates.
    LineWidget(QWidget* parent, QLine ends, int width, QColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_ends;
    int m_width;
    QColor m_colour;
};

} // namespace sostav
