#pragma once

#include "shell/RoleHandles.h"
#include "shell/ScreenKind.h"
#include "shell/ScreenLayout.h"
#include "shell/WindowPlacer.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace sostav {

class CommandButton;

// One screen: a top-level window that owns the widgets built from its table and handles the
// clicks of its buttons, judging its answers with the table's judge. It asks for a move to
// another screen with a signal; whoever holds the screens decides how.
class Screen : public QWidget {
    Q_OBJECT

public:
    explicit Screen(const ScreenLayout& layout);

    const RoleHandles& roles() const { return m_roles; }

    // Shows the screen as the one on display: restored if minimised, raised and active.
    void present();

    void setVisible(bool visible) override;

signals:
    void switchRequested(ScreenKind target);
    void endRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onClick(CommandButton* button, std::function<void()> handler);
    void check();
    void reset();

    WindowPlacer m_placer;
    RoleHandles m_roles;
    Judge m_judge;
    QString m_resetText;
    QPointer<QWidget> m_lastFocus;
    bool m_shownBefore = false;
};

} // namespace sostav
