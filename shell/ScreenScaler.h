#pragma once

#include "shell/RoleHandles.h"
#include "shell/ScreenBuilder.h"

#include <QObject>
#include <QRect>

#include <vector>

class QWidget;

namespace sostav {

struct ScreenLayout;
class WindowPlacer;

// How large a screen is shown. It opens at its designed size, shrunk evenly where that does
// not fit its desktop's available area. Where the desktop then gives it less room still, by
// maximising it or by sizing it as it shows it, the screen is shrunk evenly into that room,
// and given its own size back when the room grows again (unmaximised). A size given by the
// user with the frame is left alone, and nothing is ever enlarged past its design.
class ScreenScaler : public QObject {
    Q_OBJECT

public:
    ScreenScaler(QWidget& window, const ScreenLayout& layout, WindowPlacer& placer);

    // Builds the screen's widgets at the scale its desktop leaves room for.
    RoleHandles build();

    // A column beside the table on its right, `least` logical pixels wide and at least as tall,
    // for something shown besides the table's widgets at a size of its own however the table
    // shrinks: the window grows by it, and the table is fitted anew into the room left. An
    // empty size takes it away.
    void setExtraColumn(QSize least);
    QRect extraColumn() const;

    // Called before a hidden window is shown: a room it was given as it last showed is gone.
    void aboutToShow();

signals:
    // The widgets were placed anew: whatever lives in the extra column places itself again.
    void rescaled(double scale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize sizeAt(double scale) const; // table and column
    QMargins columnMargins() const;
    double ownScale() const;
    void fitInto(QSize room);
    void giveOwnSize();
    void layOut(double scale);

    QWidget& m_window;
    const ScreenLayout& m_layout;
    WindowPlacer& m_placer;
    std::vector<BuiltWidget> m_built;
    double m_scale = 1.0;
    QSize m_column;
    QPoint m_shift; // how far the window moved to keep its grown frame on the desktop
    bool m_roomGiven = false; // shrunk into a room the desktop gave, not the screen's own size
    struct {
        QSize room;
        double scale = 1.0;
    } m_given; // that room, and the table's scale in it
};

} // namespace sostav
