#include "shell/CommandButton.h"

#include <QKeyEvent>

namespace sostav {

CommandButton::CommandButton(QWidget* parent)
    : QPushButton(parent)
{
    // No screen has a default button: Enter presses only the focused one.
    setAutoDefault(false);
    setDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // The keypad's Enter comes with the keypad modifier; it presses the button all the same.
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace sostav
