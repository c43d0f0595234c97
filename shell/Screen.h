#pragma once

#include "shell/RoleHandles.h"
#include "shell/ScreenKind.h"
#include "shell/ScreenLayout.h"

#include <QPointer>
#include <QWidget>

#include <optional>
#include <string>

namespace sostav {

// One screen: a top-level window that owns the widgets built from its table. It asks for
// a move to another screen with a signal; whoever holds the screens decides how.
class Screen : public QWidget {
    Q_OBJECT

public:
    explicit Screen(CheckedLayout layout);

    const RoleHandles& roles() const { return m_roles; }

    // Shows the screen as the one on display: raised and active.
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reset();
    void placeAt(QPoint clientPosition);

    RoleHandles m_roles;
    QString m_resetText;
    QPointer<QWidget> m_lastFocus;
    bool m_shownBefore = false;
    std::optional<QPoint> m_leftAt; // the client area's place when the screen was last hidden
    bool m_fitWhenExposed = false;
};

} // namespace sostav
