#pragma once

#include "shell/RoleHandles.h"
#include "shell/ScreenKind.h"
#include "shell/ScreenLayout.h"
#include "shell/ScreenScaler.h"
#include "shell/WindowPlacer.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace sostav {

class CommandButton;
class TouchTyping;

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

    // Gives the screen a column beside its widgets on the right, `least` logical pixels wide
    // and at least as tall, for something shown besides them at a size of its own; the window
    // grows by it (an empty size: back to its designed size), and where that does not fit the
    // desktop, the widgets shrink evenly. `rescaled` follows any change of scale.
    void setExtraColumn(QSize least) { m_scaler.setExtraColumn(least); }
    QRect extraColumn() const { return m_scaler.extraColumn(); }

signals:
    void rescaled(double scale);
    void switchRequested(ScreenKind target);
    void endRequested();
    // A check has just shown its verdict, the same one again included.
    void verdictShown(bool right);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onClick(CommandButton* button, std::function<void()> handler);
    void check();
    void reset();

    WindowPlacer m_placer;
    TouchTyping* m_touchTyping = nullptr; // screens with answer boxes only
    ScreenScaler m_scaler;
    RoleHandles m_roles;
    Judge m_judge;
    QString m_resetText;
    QPointer<QWidget> m_lastFocus;
    bool m_shownBefore = false;
};

} // namespace sostav
