#pragma once

#include <QPushButton>

namespace sostav {

// A push button that Enter and Return press as well as Space, as on the desktop the
// screens were designed for; Qt's own buttons take Enter only inside dialogs.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace sostav
