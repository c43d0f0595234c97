#include "shell/TouchTyping.h"

#include "shell/DigitPad.h"
#include "shell/Screen.h"
#include "shell/TextBox.h"

#include <QApplication>
#include <QInputMethod>
#include <QMouseEvent>

namespace sostav {

namespace {

// A press made by a finger on a touch screen (or a whiteboard that reports touch), which Qt
// hands to a box as a mouse press it made up from the touch.
bool byFinger(const QMouseEvent& press)
{
    return press.device() && press.device()->type() == QInputDevice::DeviceType::TouchScreen;
}

} // namespace

TouchTyping::TouchTyping(Screen& screen, const std::vector<TextBox*>& boxes)
    : QObject(&screen)
    , m_screen(screen)
    , m_boxes(boxes)
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
        m_pad = new DigitPad(m_screen);
        connect(m_pad, &DigitPad::putAwayTapped, this, &TouchTyping::putAway);
        connect(&m_screen, &Screen::rescaled, m_pad, [this] { m_pad->setGeometry(m_screen.extraColumn()); });
    }
    m_screen.setExtraColumn(DigitPad::LeastSize);
    m_pad->setGeometry(m_screen.extraColumn());
    letDesktopKeyboards(false);
    m_pad->show();
}

void TouchTyping::putAway()
{
    if (!m_pad || m_pad->isHidden())
        return;
    m_pad->hide();
    letDesktopKeyboards(true);
    m_screen.setExtraColumn(QSize());
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
