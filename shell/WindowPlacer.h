#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

namespace sostav {

// Keeps a screen's window whole on the desktop: it opens where its table puts it, comes
// back where the child left it, moves just enough to keep its frame on the desktop, and
// says how much a screen too large for the desktop must shrink.
class WindowPlacer : public QObject {
public:
    explicit WindowPlacer(QWidget& window);

    // How much a client area designed to open at `client` must shrink to fit its desktop,
    // with `unshrunk` more beside it that keeps its size.
    double scaleFor(QRect client, QMargins unshrunk = {}) const;

    // Between a show and the window's first coming on display: a size it gets then is the
    // desktop's choice, never the user's.
    bool appearing() const { return m_appearing; }

    // Moves a shown window that has grown just enough to keep its frame on the desktop.
    void keepWhole();

    // Called around every change of the window's visibility.
    void aboutToChange(bool visible);
    void changed(bool appeared);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeAt(QPoint clientPosition);

    QWidget& m_window;
    std::optional<QPoint> m_leftAt; // the client area's place when the window was last hidden
    bool m_ownPosition = false; // the window opens at a place of its own, not the desktop's choice
    bool m_fitWhenExposed = false;
    bool m_appearing = false;
};

} // namespace sostav
