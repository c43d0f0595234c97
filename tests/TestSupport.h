#pragma once

#include "app/AllScreens.h"
#include "shell/CommandButton.h"
#include "shell/Screen.h"
#include "shell/ScreenRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace sostav::test {

// The offscreen platform has no stacking order and says so at every raise(); that is no
// fault of the program's. Called from initTestCase, after QtTest has taken the messages over.
inline void muteOffscreenRaise()
{
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message != QLatin1String("This plugin does not support raise()"))
            next(type, context, message);
    });
}

template <typename T = QWidget> T* child(const QWidget& screen, const char* name)
{
    return screen.findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

inline void click(const QWidget& screen, const char* name)
{
    auto* button = child<QAbstractButton>(screen, name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Replaces a box's whole text as a child would: click in, select all, type.
inline void fill(const QWidget& screen, const char* name, const QString& text)
{
    auto* box = child<QLineEdit>(screen, name);
    QVERIFY2(box, name);
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    box->insert(text); // in one go: a long text would take minutes key by key
}

// A finger's tap on a touch screen, held down for `heldMs`.
inline void tap(QWidget* w, int heldMs = 0)
{
    static QPointingDevice* const finger = QTest::createTouchDevice();
    QTest::touchEvent(w->window(), finger).press(0, w->rect().center(), w);
    QTest::qWait(heldMs);
    QTest::touchEvent(w->window(), finger).release(0, w->rect().center(), w);
}

inline QString textOf(const QWidget& screen, const char* name)
{
    return child<QLineEdit>(screen, name)->text();
}

inline QString focusName()
{
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("<none>");
}

// The program as started, with the menu on display.
struct Program {
    ScreenRegistry registry {makeScreen};
    Program() { registry.start(); }
    Screen& menu() { return registry.obtain(ScreenKind::Form1); }
    // Opens an exercise with the menu button that leads to it, as a child does.
    Screen& open(ScreenKind kind)
    {
        for (const auto& [button, target] : menu().roles().links)
            if (target == kind)
                QTest::mouseClick(button, Qt::LeftButton);
        return *registry.existing(kind);
    }
};

} // namespace sostav::test
