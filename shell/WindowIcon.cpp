#include "shell/WindowIcon.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

namespace sostav {

namespace {

// The sizes window managers ask for; the larger drawings serve only the installed desktop icon.
constexpr int WindowIconSizes[] = {16, 32, 48, 64};

QIcon drawnIcon()
{
    QIcon icon;
    for (const int size : WindowIconSizes)
        icon.addFile(QStringLiteral(":/window-icon/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            parent()->removeEventFilter(this);
            deleteLater();
            // Queued, so that the painted frame reaches the display first.
            QTimer::singleShot(0, parent(), [] { QApplication::setWindowIcon(drawnIcon()); });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void setWindowIconAfterFirstPaint(QApplication& app)
{
    app.installEventFilter(new FirstPaintWatch(&app));
}

} // namespace sostav
