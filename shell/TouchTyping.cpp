#include "shell/TouchTyping.h"

#include "shell/DesktopFit.h"
#include "shell/DigitPad.h"
#include "shell/TextBox.h"

#include <QApplication>
#include <QInputMethod>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace sostav {

namespace {

// A press made by a finger on a touch screen (or a whiteboard that reports touch), which Qt
// hands to a box as a mouse press it made up from the touch.
bool byFinger(const QMouseEvent& press)
{
    return press.device() && press.device()->type() == QInputDevice::DeviceType::TouchScreen;
}

} // namespace

TouchTyping::TouchTyping(QWidget& window, const std::vector<TextBox*>& boxes)
    : QObject(&window)
    , m_window(window)
    , m_boxes(boxes)
    , m_screenSize(window.size())
{
    for (TextBox* box : m_boxes)
        box->installEventFilter(this);
}

bool TouchTyping::eventFilter(QObject* watched, QEvent* event)
{
    // Taps in quick succession, even far apart, come as a double click.
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    // The pad's own keys reach the box as sent events; a keyboard's and a mouse's come from
    // the window system.
    if (press && byFinger(*static_cast<QMouseEvent*>(event)))
        bringPad();
    else if ((press || event->type() == QEvent::KeyPress) && event->spontaneous())
        putAway();
    return QObject::eventFilter(watched, event);
}

void TouchTyping::bringPad()
{
    if (m_pad && m_pad->isVisible())
        return;
    if (!m_pad) {
        m_pad = new DigitPad(m_window);
        connect(m_pad, &DigitPad::putAwayTapped, this, &TouchTyping::putAway);
    }
    const QRect place = m_pad->placeBeside(m_screenSize);
    m_sizeBefore = m_window.size();
    const QSize grown = m_sizeBefore.expandedTo(QSize(place.right() + 1, place.bottom() + 1));
    // Grown to the right, the window may reach beyond the desktop's edge: it moves just
    // enough to be whole, and moves back by as much when the pad goes.
    QRect client(m_window.geometry().topLeft(), grown);
    const QMargins frame = m_window.windowHandle() ? m_window.windowHandle()->frameMargins() : QMargins();
    if (const QScreen* desktop = m_window.screen())
        client.moveTopLeft(fittedClientPosition(client, frame, desktop->availableGeometry()));
    m_shift = client.topLeft() - m_window.geometry().topLeft();
    m_window.setGeometry(client);
    m_pad->setGeometry(place);
    letDesktopKeyboards(false);
    m_pad->show();
}

void TouchTyping::putAway()
{
    if (!m_pad || m_pad->isHidden())
        return;
    m_pad->hide();
    letDesktopKeyboards(true);
    m_window.setGeometry(QRect(m_window.geometry().topLeft() - m_shift, m_sizeBefore));
}

// While the pad is shown the boxes tell the input method there is no text to type into here,
// so the desktop's own keyboard is not asked to cover the screen besides.
void TouchTyping::letDesktopKeyboards(bool allowed)
{
    for (TextBox* box : m_boxes)
        box->setAttribute(Qt::WA_InputMethodEnabled, allowed);
    // A tap into the focused box would otherwise ask for the desktop's keyboard again.
    qApp->setAutoSipEnabled(allowed);
    if (!allowed)
        QGuiApplication::inputMethod()->hide();
}

} // namespace sostav
