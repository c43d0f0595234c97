#include "TestSupport.h"

#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>

#include <memory>

using namespace sostav;
using namespace sostav::test;

namespace {

QStringList alerts;

QString nameOf(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

// What a child who uses a screen reader meets: every reachable widget has a Russian name,
// and a verdict is announced when it appears.
class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScreenRegistry> m_registry;

private slots:
    void initTestCase() { muteOffscreenRaise(); }
    void init()
    {
        m_registry = std::make_unique<ScreenRegistry>(allScreens());
        m_registry->start();
        alerts.clear();
    }
    void cleanup() { m_registry.reset(); }

    void everyReachableWidgetHasAName_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("menu") << int(ScreenKind::Form1);
        QTest::newRow("10") << int(ScreenKind::Form3);
        QTest::newRow("9") << int(ScreenKind::Form7);
        QTest::newRow("8") << int(ScreenKind::Form8);
        QTest::newRow("worksheet") << int(ScreenKind::Form6);
    }

    void everyReachableWidgetHasAName()
    {
        QFETCH(int, kind);
        Screen& screen = m_registry->obtain(ScreenKind(kind));
        const QRegularExpression cyrillicWord(QStringLiteral("[а-яА-ЯёЁ]{2,}"));
        QSet<QString> names;
        for (QWidget* w : screen.findChildren<QWidget*>()) {
            const bool reachable = w->focusPolicy() != Qt::NoFocus;
            const bool picture = w->inherits("QLabel") && !qobject_cast<QLabel*>(w)->pixmap().isNull();
            if (!reachable && !picture)
                continue;
            const QString name = nameOf(w);
            QVERIFY2(
                name.contains(cyrillicWord) || (picture && !name.isEmpty()), qPrintable(w->objectName() + ": " + name));
            if (reachable)
                QVERIFY2(!names.contains(name), qPrintable(name)); // boxes say which one they are
            names << name;
        }
    }

    void verdictsAreAnnounced_data()
    {
        QTest::addColumn<QString>("menuButton");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("wrongVerdict");
        QTest::newRow("10") << "Command6" << int(ScreenKind::Form3) << "Command2"
                            << "Label5";
        QTest::newRow("9") << "Command4" << int(ScreenKind::Form7) << "Command2"
                           << "Image1";
        QTest::newRow("8") << "Command7" << int(ScreenKind::Form8) << "Command2"
                           << "Image1";
        QTest::newRow("worksheet") << "Command8" << int(ScreenKind::Form6) << "Command3"
                                   << "Label2";
    }

    void verdictsAreAnnounced()
    {
        QFETCH(QString, menuButton);
        QFETCH(int, kind);
        QFETCH(QString, check);
        QFETCH(QString, wrongVerdict);
        click(m_registry->obtain(ScreenKind::Form1), menuButton.toLatin1());
        Screen& screen = *m_registry->existing(ScreenKind(kind));
        // The offscreen platform has no screen reader to receive the alert itself, so the
        // screen's own announcement signal stands in for it.
        connect(&screen, &Screen::announced, this, [](QWidget* w) { alerts << w->objectName(); });
        click(screen, check.toLatin1());
        QCOMPARE(alerts, QStringList {wrongVerdict});
        click(screen, check.toLatin1()); // already on display: nothing new to say
        QCOMPARE(alerts, QStringList {wrongVerdict});
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
