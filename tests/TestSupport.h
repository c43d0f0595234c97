#pragma once

#include "app/AllScreens.h"
#include "shell/Screen.h"
#include "shell/ScreenRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <vector>

namespace sostav::test {

// The offscreen platform has no stacking order, and says so at every raise(); that is no
// fault of the program's. Called from initTestCase, after QtTest has taken the messages over.
inline void muteOffscreenRaise()
{
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message != QLatin1String("This plugin does not support raise()"))
            next(type, context, message);
    });
}

template <typename T = QWidget> T* childOf(const Screen& screen, const char* name)
{
    return screen.findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}
inline QWidget* widgetOf(const Screen& screen, const char* name)
{
    return childOf(screen, name);
}
inline QAbstractButton* buttonOf(const Screen& screen, const char* name)
{
    return childOf<QAbstractButton>(screen, name);
}
inline QLineEdit* boxOf(const Screen& screen, const char* name)
{
    return childOf<QLineEdit>(screen, name);
}

// Clicks a named button with the mouse, as a child would.
inline void click(Screen& screen, const char* name)
{
    QAbstractButton* button = buttonOf(screen, name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Types into a named box after clicking into it; the text is added where the caret lands.
inline void type(Screen& screen, const char* name, const QString& text)
{
    QLineEdit* box = boxOf(screen, name);
    QVERIFY2(box, name);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, text);
}

// Replaces a box's whole text, so that data rows can hold any text exactly.
inline void fill(Screen& screen, const char* name, const QString& text)
{
    QLineEdit* box = boxOf(screen, name);
    QVERIFY2(box, name);
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        box->insert(text);
}

inline QString textOf(Screen& screen, const char* name)
{
    return boxOf(screen, name)->text();
}

inline bool shown(Screen& screen, const char* name)
{
    QWidget* w = widgetOf(screen, name);
    return w && w->isVisible();
}

inline std::vector<Screen*> visibleScreens(const ScreenRegistry& registry)
{
    std::vector<Screen*> result;
    for (ScreenKind kind : AllScreenKinds) {
        if (Screen* s = registry.existing(kind); s && s->isVisible())
            result.push_back(s);
    }
    return result;
}

// The name of the widget that holds the keyboard focus in the active window.
inline QString focusName()
{
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("<none>");
}

inline QColor pixelAt(QWidget& screen, QPoint logical)
{
    const QImage image = screen.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(QPoint(int(logical.x() * ratio), int(logical.y() * ratio)));
}

} // namespace sostav::test
