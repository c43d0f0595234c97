#include "shell/Screen.h"

#include "shell/ScreenBuilder.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>

namespace sostav {

Screen::Screen(const ScreenLayout& layout)
    : QWidget(nullptr)
{
    ScreenBuilder::build(*this, layout);
}

QAbstractButton* Screen::button(const char* name) const
{
    return widget<QAbstractButton>(name);
}

QLineEdit* Screen::textBox(const char* name) const
{
    return widget<QLineEdit>(name);
}

std::string Screen::answer(const char* name) const
{
    return textBox(name)->text().toStdString();
}

void Screen::setAnswer(const char* name, const QString& text)
{
    textBox(name)->setText(text);
}

void Screen::setShown(const char* name, bool shown)
{
    QWidget* target = widget(name);
    const bool appears = shown && !target->isVisible();
    target->setVisible(shown);
    if (appears && isVisible()) {
        // A verdict is news to a child who cannot see it: screen readers announce alerts.
        QAccessibleEvent alert(target, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
        emit announced(target);
    }
}

void Screen::present()
{
    show();
    // The offscreen platform used by the tests has no stacking order to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        raise();
    activateWindow();
}

void Screen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A screen comes back with the focus where the child left it.
    QWidget* target = m_shownBefore ? m_lastFocus.data() : m_firstFocus.data();
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
    // menu, "<=" elsewhere. Both are Command1, so the window never just vanishes and
    // leaves the child with no screen at all.
    event->ignore();
    if (QAbstractButton* exit = button("Command1"))
        exit->click();
}

} // namespace sostav
