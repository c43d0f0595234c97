#pragma once

#include <QPushButton>

namespace sostav {

// A push button that Enter and Return press as well as Space, as on the desktop the
// screens were designed for; Qt's own buttons take Enter only inside dialogs.
//
// A key presses the button once however long it is held, and only when the button received
// both its press and its release: a key still held from another window (the launcher it was
// started from, or the screen a press just left) presses nothing here.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_heldKey = 0; // the key whose own press this button received, until its release
};

} // namespace sostav
