#include "shell/CommandButton.h"

#include <QKeyEvent>

namespace sostav {

namespace {

// The last release of a pressing key, whichever button it reached. On X11 Qt now and then
// passes a held key's repeat on as a release and a fresh press stamped with the same time;
// only that stamp tells the press apart from a real one.
struct KeyMoment {
    int key = 0;
    quint64 time = 0;
};
KeyMoment lastRelease;

bool pressesButton(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Space)
        return true;
    // The keypad's Enter comes with the keypad modifier; it presses the button all the same.
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Events the program makes up itself carry no time, and each of those is a real press.
bool repeats(const QKeyEvent& event)
{
    return event.isAutoRepeat()
        || (event.timestamp() != 0 && event.key() == lastRelease.key && event.timestamp() == lastRelease.time);
}

} // namespace

CommandButton::CommandButton(QWidget* parent)
    : QPushButton(parent)
{
    // No screen has a default button: Enter presses only the focused one.
    setAutoDefault(false);
    setDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if (!pressesButton(*event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (repeats(*event))
        return;
    m_heldKey = event->key();
    setDown(true);
}

void CommandButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!pressesButton(*event)) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat())
        return;
    lastRelease = {event->key(), event->timestamp()};
    if (m_heldKey != event->key())
        return;
    m_heldKey = 0;
    setDown(false);
    click();
}

void CommandButton::focusOutEvent(QFocusEvent* event)
{
    m_heldKey = 0;
    QPushButton::focusOutEvent(event);
}

} // namespace sostav
