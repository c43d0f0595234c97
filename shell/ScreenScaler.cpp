#include "shell/ScreenScaler.h"

#include "shell/DesktopFit.h"
#include "shell/ScreenLayout.h"
#include "shell/WindowPlacer.h"

#include <QWidget>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace sostav {

namespace {

bool filling(const QWidget& window)
{
    return window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

} // namespace

ScreenScaler::ScreenScaler(QWidget& window, const ScreenLayout& layout, WindowPlacer& placer)
    : m_window(window)
    , m_layout(layout)
    , m_placer(placer)
{
}

RoleHandles ScreenScaler::build()
{
    m_scale = ownScale();
    RoleHandles roles = buildScreen(m_window, m_layout, m_scale, m_built);
    m_window.installEventFilter(this);
    return roles;
}

QSize ScreenScaler::sizeAt(double scale) const
{
    const QSize table = clientSizeAt(m_layout, scale);
    return m_column.isEmpty() ? table
                              : QSize(table.width() + m_column.width(), std::max(table.height(), m_column.height()));
}

// The column keeps its size whatever the scale, so for fitting it is one more edge of the frame.
QMargins ScreenScaler::columnMargins() const
{
    return QMargins(0, 0, m_column.isEmpty() ? 0 : m_column.width(), 0);
}

double ScreenScaler::ownScale() const
{
    return m_placer.scaleFor(designedClient(m_layout), columnMargins());
}

QRect ScreenScaler::extraColumn() const
{
    const QSize table = clientSizeAt(m_layout, m_scale);
    return m_column.isEmpty() ? QRect() : QRect(QPoint(table.width(), 0), sizeAt(m_scale) - QSize(table.width(), 0));
}

void ScreenScaler::setExtraColumn(QSize least)
{
    if (least == m_column)
        return;
    m_column = least;
    if (filling(m_window)) {
        m_shift = {}; // the desktop places a window that fills its room
        fitInto(m_window.size());
        return;
    }
    // A room the desktop gave as the window showed stays the table's: the window grows by
    // the column beside it as far as the desktop has room, and is that room again without it.
    layOut(m_roomGiven ? std::min(m_given.scale, ownScale()) : ownScale());
    m_window.resize(m_roomGiven && m_column.isEmpty() ? m_given.room : sizeAt(m_scale));
    // Grown to the right, the window may reach beyond the desktop's edge: it moves just
    // enough to be whole, and back by as much when the column goes.
    const QPoint before = m_window.geometry().topLeft();
    m_placer.keepWhole();
    if (!m_column.isEmpty())
        m_shift = m_window.geometry().topLeft() - before;
    else if (!m_shift.isNull())
        m_window.setGeometry(m_window.geometry().translated(-std::exchange(m_shift, QPoint())));
}

void ScreenScaler::aboutToShow()
{
    if (m_roomGiven && !filling(m_window))
        giveOwnSize();
}

void ScreenScaler::fitInto(QSize room)
{
    // A room larger than the screen's own size leaves it at that size, so that on a desktop
    // where the screen fits, maximising it changes nothing.
    const double own = ownScale();
    const double scale = std::min(own, fittingScale(clientSizeAt(m_layout, 1.0), columnMargins(), room));
    m_roomGiven = scale < own;
    if (m_roomGiven)
        m_given = {room, scale};
    layOut(scale);
}

void ScreenScaler::giveOwnSize()
{
    m_roomGiven = false;
    layOut(ownScale());
    m_window.resize(sizeAt(m_scale));
    m_placer.keepWhole();
}

void ScreenScaler::layOut(double scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    placeAtScale(m_built, scale);
    emit rescaled(scale);
}

bool ScreenScaler::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window)
        return false;
    if (event->type() == QEvent::WindowStateChange) {
        const auto before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        const bool filled = before & (Qt::WindowMaximized | Qt::WindowFullScreen);
        if (filling(m_window))
            fitInto(m_window.size());
        else if (filled && m_roomGiven && !(m_window.windowState() & Qt::WindowMinimized))
            giveOwnSize();
    } else if (event->type() == QEvent::Resize) {
        const QSize room = m_window.size();
        const QSize own = sizeAt(m_scale);
        // Before the window first comes on display after a show, only the desktop sizes it;
        // afterwards a size outside a maximised or full-screen state is the user's, by the frame.
        if (filling(m_window) || (m_placer.appearing() && (room.width() < own.width() || room.height() < own.height())))
            fitInto(room);
    }
    return false;
}

} // namespace sostav
