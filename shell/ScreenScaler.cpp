#include "shell/ScreenScaler.h"

#include "shell/DesktopFit.h"
#include "shell/ScreenLayout.h"
#include "shell/WindowPlacer.h"

#include <QWindowStateChangeEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

QSize ScreenScaler::designedSize() const
{
    return clientSizeAt(m_layout, 1.0) + QSize(0, m_strip);
}

QSize ScreenScaler::sizeAt(double scale) const
{
    return clientSizeAt(m_layout, scale) + QSize(0, int(std::lround(m_strip * scale)));
}

double ScreenScaler::ownScale() const
{
    return m_placer.scaleFor(QRect(designedClient(m_layout).topLeft(), designedSize()));
}

QRect ScreenScaler::extraStrip() const
{
    const QSize table = clientSizeAt(m_layout, m_scale);
    return QRect(0, table.height(), table.width(), sizeAt(m_scale).height() - table.height());
}

void ScreenScaler::setExtraStrip(int height)
{
    if (height == m_strip)
        return;
    m_strip = height;
    if (m_roomGiven || filling(m_window)) {
        fitInto(m_window.size());
        return;
    }
    layOut(ownScale());
    m_window.resize(sizeAt(m_scale));
    m_placer.keepWhole();
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
    const double scale = std::min(own, fittingScale(designedSize(), QMargins(), room));
    m_roomGiven = scale < own;
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
