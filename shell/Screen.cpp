#include "shell/Screen.h"

#include "shell/CommandButton.h"
#include "shell/ScreenBuilder.h"
#include "shell/TextBox.h"

#include <QAccessible>
#include <QCloseEvent>

namespace sostav {

Screen::Screen(CheckedLayout layout)
    : QWidget(nullptr)
    , m_roles(buildScreen(*this, *layout))
{
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

void Screen::setAnswers(const QString& text)
{
    for (TextBox* box : m_roles.answers)
        box->setText(text);
}

void Screen::showVerdict(bool right)
{
    // Only the latest check is on display: a stale verdict of the other kind would report a
    // failure as success, or the other way round.
    setShown(right ? m_roles.wrongVerdict : m_roles.rightVerdict, false);
    setShown(right ? m_roles.rightVerdict : m_roles.wrongVerdict, true);
}

void Screen::hideVerdicts()
{
    setShown(m_roles.rightVerdict, false);
    setShown(m_roles.wrongVerdict, false);
}

void Screen::setShown(QWidget* indicator, bool shown)
{
    const bool appears = shown && !indicator->isVisible();
    indicator->setVisible(shown);
    if (appears && isVisible()) {
        // A verdict is news to a child who cannot see it: screen readers announce alerts.
        QAccessibleEvent alert(indicator, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
        emit announced(indicator);
    }
}

void Screen::present()
{
    show();
    raise();
    activateWindow();
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
