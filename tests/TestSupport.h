#pragma once

#include "shell/Screen.h"
#include "shell/ScreenRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <vector>

namespace sostav::test {

// Clicks a named button with the mouse, as a child would.
inline void click(Screen& screen, const char* name)
{
    QAbstractButton* button = screen.button(name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Types into a named box after clicking into it; the text is added where the caret lands.
inline void type(Screen& screen, const char* name, const QString& text)
{
    QLineEdit* box = screen.textBox(name);
    QVERIFY2(box, name);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, text);
}

// Replaces a box's whole text, so that data rows can hold any text exactly.
inline void fill(Screen& screen, const char* name, const QString& text)
{
    QLineEdit* box = screen.textBox(name);
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
    return screen.textBox(name)->text();
}

inline bool shown(Screen& screen, const char* name)
{
    QWidget* w = screen.widget(name);
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
