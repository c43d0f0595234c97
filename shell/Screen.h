#pragma once

#include "shell/RoleHandles.h"
#include "shell/ScreenKind.h"
#include "shell/ScreenLayout.h"
#include "shell/WindowPlacer.h"

#include <QPointer>
#include <QWidget>

#include <string>

namespace sostav {

// One screen: a top-level window that owns the widgets built from its table. It asks for
// a move to another screen with a signal; whoever holds the screens decides how.
class Screen : public QWidget {
    Q_OBJECT

public:
    explicit Screen(CheckedLayout layout);

    const RoleHandles& roles() const { return m_roles; }

    // Shows the screen as the one on display: restored if minimised, raised and active.
    void present();

    void setVisible(bool visible) override;

signals:
    void switchRequested(ScreenKind target);
    void endRequested();

protected:
    // A box's text as UTF-8, the form the answer rules read.
    std::string answer(std::size_t slot) const;
    void showVerdict(bool right);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void reset();

    WindowPlacer m_placer;
    RoleHandles m_roles;
    QString m_resetText;
    QPointer<QWidget> m_lastFocus;
    bool m_shownBefore = false;
};

} // namespace sostav
