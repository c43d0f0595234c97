#include "shell/Screen.h"

#include "shell/CommandButton.h"
#include "shell/Placement.h"
#include "shell/ScreenBuilder.h"
#include "shell/TextBox.h"
#include "shell/VerdictSound.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <utility>

namespace sostav {

namespace {

// Every screen wears the same decoration; what one window learnt of it serves the next
// before the window manager has framed that one.
QMargins knownFrame;

} // namespace

Screen::Screen(CheckedLayout layout)
    : QWidget(nullptr)
    , m_roles(buildScreen(*this, *layout))
    , m_resetText(QString::fromUtf8(layout->resetText.data(), qsizetype(layout->resetText.size())))
{
    // Every reset does the same: the boxes get the screen's reset text, the verdicts go.
    if (m_roles.reset)
        connect(m_roles.reset, &QAbstractButton::clicked, this, &Screen::reset);
    if (m_roles.back)
        connect(m_roles.back, &QAbstractButton::clicked, this, [this] { emit switchRequested(ScreenKind::Form1); });
    if (m_roles.exit)
        connect(m_roles.exit, &QAbstractButton::clicked, this, &Screen::endRequested);
    for (const auto& [button, target] : m_roles.links)
        connect(button, &QAbstractButton::clicked, this, [this, target = target] { emit switchRequested(target); });
}

std::string Screen::answer(std::size_t slot) const
{
    return m_roles.answers.at(slot)->text().toStdString();
}

void Screen::reset()
{
    for (TextBox* box : m_roles.answers)
        box->setText(m_resetText);
    m_roles.rightVerdict->hide();
    m_roles.wrongVerdict->hide();
}

void Screen::showVerdict(bool right)
{
    // Only the latest check is on display: a stale verdict of the other kind would report a
    // failure as success, or the other way round. Coming into view is also what makes a
    // screen reader read the verdict out (Accessibility.cpp).
    (right ? m_roles.wrongVerdict : m_roles.rightVerdict)->hide();
    (right ? m_roles.rightVerdict : m_roles.wrongVerdict)->show();
    playVerdictCue(right);
}

void Screen::present()
{
    show();
    raise();
    activateWindow();
}

void Screen::setVisible(bool visible)
{
    const bool appearing = visible && !isVisible();
    if (!visible && isVisible() && windowHandle()) {
        // Once withdrawn, the window is reported where its frame's corner was (metacity,
        // mutter), and showing it there would lift it by a title bar on every return.
        m_leftAt = geometry().topLeft();
        knownFrame = windowHandle()->frameMargins();
    }
    // A position of the screen's own, stored or where the child left it, is kept to the
    // pixel unless it would put part of the window off the desktop; a screen that has
    // never been shown and has no stored position is placed by the desktop.
    const bool ownPosition = appearing && (m_leftAt || testAttribute(Qt::WA_Moved));
    if (ownPosition)
        placeAt(m_leftAt.value_or(geometry().topLeft()));
    QWidget::setVisible(visible);
    if (appearing && windowHandle()) {
        // The frame is known for certain only once the window manager has framed the window.
        m_fitWhenExposed = ownPosition;
        windowHandle()->installEventFilter(this);
    }
}

void Screen::placeAt(QPoint clientPosition)
{
    QScreen* desktop = QGuiApplication::screenAt(QRect(clientPosition, size()).center());
    const QRect available = (desktop ? desktop : screen())->availableGeometry();
    const QPoint fitted = fittedClientPosition(QRect(clientPosition, size()), knownFrame, available);
    if (isVisible() && fitted == geometry().topLeft())
        return;
    setGeometry(QRect(fitted, size()));
    // Qt passes a hidden window's position on only when it differs from the one last
    // reported, and without it the window manager would choose a place of its own.
    if (!isVisible() && windowHandle())
        windowHandle()->setPosition(fitted);
}

bool Screen::eventFilter(QObject* watched, QEvent* event)
{
    QWindow* window = windowHandle();
    if (watched == window && event->type() == QEvent::Expose && window->isExposed()) {
        knownFrame = window->frameMargins();
        if (std::exchange(m_fitWhenExposed, false))
            placeAt(geometry().topLeft());
    }
    return QWidget::eventFilter(watched, event);
}

void Screen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A screen comes back with the focus where the child left it.
    QWidget* target = m_shownBefore ? m_lastFocus.data() : m_roles.firstFocus;
    m_shownBefore = true;
    if (target && target->isVisible())
        target->setFocus(Qt::OtherFocusReason);
}

void Screen::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous() && focusWidget())
        m_lastFocus = focusWidget();
    QWidget::hideEvent(event);
}

void Screen::closeEvent(QCloseEvent* event)
{
    // The frame's close button does what the screen's own way out does: "выход" on the
    // menu, "<=" elsewhere, so the window never just vanishes and leaves the child with no
    // screen at all.
    event->ignore();
    if (CommandButton* way = m_roles.exit ? m_roles.exit : m_roles.back)
        way->click();
}

} // namespace sostav
