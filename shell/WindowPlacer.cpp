#include "shell/WindowPlacer.h"

#include "shell/DesktopFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace sostav {

namespace {

// Every screen wears the same decoration; what one window learnt of it serves the next
// before the window manager has framed that one.
QMargins knownFrame;

// A Wayland desktop tells a program neither its panels nor its windows' frames: Qt's
// available area is the whole screen there. A screen sized to that would be placed with its
// bottom row off the screen (Plasma) or maximised into less room than it asked for (GNOME),
// so room is left for a title bar (Plasma's is 37 px) and a panel (Plasma's is 44 px, GNOME's
// top bar 32 px). A little too small beats cut off; where the desktop gives more, the screen
// is simply that size.
constexpr QMargins UntoldDesktop(0, 40, 0, 48);

bool placesUntold()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QRect availableAround(QRect client)
{
    QScreen* desktop = QGuiApplication::screenAt(client.center());
    if (!desktop)
        desktop = QGuiApplication::primaryScreen();
    if (!desktop)
        return client;
    const QRect available = desktop->availableGeometry();
    if (available == desktop->geometry() && placesUntold())
        return available.marginsRemoved(UntoldDesktop);
    return available;
}

} // namespace

WindowPlacer::WindowPlacer(QWidget& window)
    : m_window(window)
{
}

double WindowPlacer::scaleFor(QRect client, QMargins unshrunk) const
{
    QSize room = availableAround(client).size();
    if (unshrunk.right() > 0 && placesUntold()) {
        // On Wayland the program can neither see nor move its window, and a desktop may keep
        // a growing window's left edge where it stands (KWin does): it grows only into the
        // room on its right where desktops open a window, centred. A kiosk that stretches it
        // over the whole screen (cage) leaves it the whole screen.
        const double alone = fittingScale(client.size(), knownFrame, room);
        const int width
            = std::max(int(client.width() * alone), m_window.width()) + knownFrame.left() + knownFrame.right();
        room.setWidth((room.width() + width) / 2);
    }
    return fittingScale(client.size(), knownFrame + unshrunk, room);
}

void WindowPlacer::aboutToChange(bool visible)
{
    QWindow* handle = m_window.windowHandle();
    if (!visible && m_window.isVisible() && handle) {
        // Once withdrawn, the window is reported where its frame's corner was (metacity,
        // mutter), and showing it there would lift it by a title bar on every return.
        m_leftAt = m_window.geometry().topLeft();
        knownFrame = handle->frameMargins();
    }
    // A position of the screen's own, stored or where the child left it, is kept to the
    // pixel unless it would put part of the window off the desktop; a screen that has
    // never been shown and has no stored position is placed by the desktop.
    m_ownPosition = visible && !m_window.isVisible() && (m_leftAt || m_window.testAttribute(Qt::WA_Moved));
    if (visible && !m_window.isVisible())
        m_appearing = true;
    if (m_ownPosition)
        placeAt(m_leftAt.value_or(m_window.geometry().topLeft()));
}

void WindowPlacer::changed(bool appeared)
{
    if (!appeared || !m_window.windowHandle())
        return;
    // The frame is known for certain only once the window manager has framed the window.
    m_fitWhenExposed = m_ownPosition;
    m_window.windowHandle()->installEventFilter(this);
}

void WindowPlacer::keepWhole()
{
    if (m_window.isVisible())
        placeAt(m_window.geometry().topLeft());
}

void WindowPlacer::placeAt(QPoint clientPosition)
{
    const QRect client(clientPosition, m_window.size());
    const QPoint fitted = fittedClientPosition(client, knownFrame, availableAround(client));
    if (m_window.isVisible() && fitted == m_window.geometry().topLeft())
        return;
    m_window.setGeometry(QRect(fitted, m_window.size()));
    // Qt passes a hidden window's position on only when it differs from the one last
    // reported, and without it the window manager would choose a place of its own.
    if (!m_window.isVisible() && m_window.windowHandle())
        m_window.windowHandle()->setPosition(fitted);
}

bool WindowPlacer::eventFilter(QObject* watched, QEvent* event)
{
    QWindow* window = m_window.windowHandle();
    if (watched == window && event->type() == QEvent::Expose && window->isExposed()) {
        knownFrame = window->frameMargins();
        m_appearing = false;
        if (std::exchange(m_fitWhenExposed, false))
            placeAt(m_window.geometry().topLeft());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace sostav
