#include "shell/Screen.h"

#include "shell/CommandButton.h"
#include "shell/QtText.h"
#include "shell/ScreenBuilder.h"
#include "shell/TextBox.h"
#include "shell/TouchTyping.h"

#include <QCloseEvent>

#include <exception>
#include <string>
#include <vector>

namespace sostav {

Screen::Screen(const ScreenLayout& layout)
    : QWidget(nullptr)
    , m_placer(*this)
    // A screen too large for the room its desktop gives is shown whole, shrunk evenly to fit.
    , m_scaler(*this, layout, m_placer)
    , m_roles(m_scaler.build())
    , m_judge(layout.judge)
    , m_resetText(toQString(layout.resetText))
{
    onClick(m_roles.check, [this] { check(); });
    onClick(m_roles.reset, [this] { reset(); });
    onClick(m_roles.back, [this] { emit switchRequested(ScreenKind::Form1); });
    onClick(m_roles.exit, [this] { emit endRequested(); });
    for (const auto& [button, target] : m_roles.links)
        onClick(button, [this, target = target] { emit switchRequested(target); });
    connect(&m_scaler, &ScreenScaler::rescaled, this, &Screen::rescaled);
    if (!m_roles.answers.empty())
        m_touchTyping = new TouchTyping(*this, m_roles.answers);
}

void Screen::onClick(CommandButton* button, std::function<void()> handler)
{
    if (!button)
        return;
    // An exception must not leave a slot: Qt's event dispatch is not built to be unwound. No
    // answer throws (a number past the range is simply wrong), but memory can run out while a
    // long answer is copied to be judged or while the screen a button opens is built. That
    // ends the click's handling and nothing else: the screen stays as the steps before left it.
    connect(button, &QAbstractButton::clicked, this, [handler = std::move(handler)] {
        try {
            handler();
        } catch (const std::exception& error) {
            qCritical("sostav: %s", error.what());
        } catch (...) {
            qCritical("sostav: unexpected failure");
        }
    });
}

void Screen::check()
{
    std::vector<std::string> answers; // as UTF-8, the form the answer rules read
    for (const TextBox* box : m_roles.answers)
        answers.push_back(box->text().toStdString());
    const bool right = m_judge(answers);
    // Only the latest check is on display: a stale verdict of the other kind would report a
    // failure as success, or the other way round. Coming into view is also what makes a
    // screen reader read the verdict out (Accessibility.cpp).
    (right ? m_roles.wrongVerdict : m_roles.rightVerdict)->hide();
    (right ? m_roles.rightVerdict : m_roles.wrongVerdict)->show();
    emit verdictShown(right);
}

void Screen::reset()
{
    for (TextBox* box : m_roles.answers)
        box->setText(m_resetText);
    m_roles.rightVerdict->hide();
    m_roles.wrongVerdict->hide();
}

void Screen::present()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void Screen::setVisible(bool visible)
{
    const bool appearing = visible && !isVisible();
    if (appearing)
        m_scaler.aboutToShow();
    // The window leaves at its designed size and place, the ones it comes back to.
    if (!visible && m_touchTyping)
        m_touchTyping->putAway();
    m_placer.aboutToChange(visible);
    QWidget::setVisible(visible);
    m_placer.changed(appearing);
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
