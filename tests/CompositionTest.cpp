#include "TestSupport.h"

#include <QLabel>

#include <memory>

using namespace sostav;
using namespace sostav::test;

Q_DECLARE_METATYPE(sostav::ScreenKind)

namespace {

const char* menuButtonFor(ScreenKind kind)
{
    return kind == ScreenKind::Form8 ? "Command7" : "Command4";
}

} // namespace

// The compositions of 8 and 9: one design, two screens, a face as the verdict.
class CompositionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScreenRegistry> m_registry;

    Screen& open(ScreenKind kind)
    {
        click(m_registry->obtain(ScreenKind::Form1), menuButtonFor(kind));
        Screen* screen = m_registry->existing(kind);
        [&] { QVERIFY(screen && screen->isVisible()); }();
        return *screen;
    }
    static QString faces(Screen& s)
    {
        return QStringLiteral("%1%2")
            .arg(shown(s, "Image2") ? "smile " : "", shown(s, "Image1") ? "surprise" : "")
            .trimmed();
    }
    static void answerAndCheck(Screen& s, const QString& first, const QString& second)
    {
        fill(s, "Text1", first);
        fill(s, "Text2", second);
        click(s, "Command2");
    }
    static void addScreenColumn() { QTest::addColumn<ScreenKind>("kind"); }

private slots:
    void initTestCase() { muteOffscreenRaise(); }
    void init()
    {
        m_registry = std::make_unique<ScreenRegistry>(allScreens());
        m_registry->start();
    }
    void cleanup() { m_registry.reset(); }

    void firstShow_data()
    {
        addScreenColumn();
        QTest::addColumn<QString>("focus");
        QTest::newRow("8: the child can type at once") << ScreenKind::Form8 << "Text1";
        QTest::newRow("9: the back button first") << ScreenKind::Form7 << "Command1";
    }

    void firstShow()
    {
        QFETCH(ScreenKind, kind);
        QFETCH(QString, focus);
        Screen& s = open(kind);
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QTRY_COMPARE(focusName(), focus);
        QCOMPARE(faces(s), QString());
        QCOMPARE(textOf(s, "Text1"), QString());
        QCOMPARE(textOf(s, "Text2"), QString());
    }

    void verdict_data()
    {
        addScreenColumn();
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, ScreenKind k, const char* a, const char* b, const char* face) {
            QTest::newRow(name) << k << QString(a) << QString(b) << QString(face);
        };
        using enum ScreenKind;
        row("8: 8 and empty", Form8, "8", "", "smile");
        row("8: 3 and 5", Form8, "3", "5", "smile");
        row("8: 5 and 3", Form8, "5", "3", "smile");
        row("8: 0 and 8", Form8, "0", "8", "smile");
        row("8: 4.5 and 3.5", Form8, "4.5", "3.5", "smile");
        row("8: -2 and 10", Form8, "-2", "10", "smile");
        row("8: 0.1 and 7.9", Form8, "0.1", "7.9", "smile");
        row("8: 0.07 and 7.93", Form8, "0.07", "7.93", "smile");
        row("8: empty boxes", Form8, "", "", "surprise");
        row("8: 4 and 5", Form8, "4", "5", "surprise");
        row("8: sum overflows", Form8, "1e308", "1e308", "surprise");
        row("8: a value overflows", Form8, "1e400", "8", "surprise");
        row("9: 4 and 5", Form7, "4", "5", "smile");
        row("9: 9 and empty", Form7, "9", "", "smile");
        row("9: 4.5 and 4.5", Form7, "4.5", "4.5", "smile");
        row("9: 10 and -1", Form7, "10", "-1", "smile");
        row("9: &H5 and 4", Form7, "&H5", "4", "smile");
        row("9: 4 and 4", Form7, "4", "4", "surprise");
        row("9: letters", Form7, "nine", "", "surprise");
        row("9: negative overflow", Form7, "-1e308", "-1e308", "surprise");
    }

    void verdict()
    {
        QFETCH(ScreenKind, kind);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, expected);
        Screen& s = open(kind);
        answerAndCheck(s, first, second);
        QCOMPARE(faces(s), expected);
        QCOMPARE(textOf(s, "Text1"), first);
        QCOMPARE(textOf(s, "Text2"), second);
        QVERIFY(s.isVisible());
    }

    void facesAccumulateUntilReset_data()
    {
        addScreenColumn();
        QTest::newRow("8") << ScreenKind::Form8;
        QTest::newRow("9") << ScreenKind::Form7;
    }

    void facesAccumulateUntilReset()
    {
        QFETCH(ScreenKind, kind);
        Screen& s = open(kind);
        const QString right = kind == ScreenKind::Form8 ? "8" : "9";
        answerAndCheck(s, "1", "1");
        QCOMPARE(faces(s), QStringLiteral("surprise"));
        answerAndCheck(s, right, "");
        QCOMPARE(faces(s), QStringLiteral("smile"));
        click(s, "Command2");
        QCOMPARE(faces(s), QStringLiteral("smile"));

        click(s, "Command3");
        QCOMPARE(faces(s), QString());
        QCOMPARE(textOf(s, "Text1"), QStringLiteral(" "));
        QCOMPARE(textOf(s, "Text2"), QStringLiteral(" "));
        click(s, "Command2"); // two spaces read as 0 + 0
        QCOMPARE(faces(s), QStringLiteral("surprise"));

        // Typing after the reset adds to the space, and the digit is still read.
        click(s, "Command3");
        type(s, "Text1", right);
        QVERIFY(textOf(s, "Text1").trimmed() == right && textOf(s, "Text1").size() == 2);
        click(s, "Command2");
        QCOMPARE(faces(s), QStringLiteral("smile"));
    }

    void stateSurvivesATripToTheMenu()
    {
        Screen& s = open(ScreenKind::Form7);
        type(s, "Text1", "4");
        type(s, "Text2", "4");
        click(s, "Command2");
        click(s, "Command1");
        QVERIFY(!s.isVisible());
        Screen& again = open(ScreenKind::Form7);
        QCOMPARE(&again, &s);
        QCOMPARE(textOf(s, "Text1"), QStringLiteral("4"));
        QCOMPARE(textOf(s, "Text2"), QStringLiteral("4"));
        QCOMPARE(faces(s), QStringLiteral("surprise"));
        QVERIFY(QTest::qWaitForWindowActive(&s));
        QTRY_COMPARE(focusName(), QStringLiteral("Command1")); // the button that left it
    }

    void drawingOrder_data()
    {
        addScreenColumn();
        QTest::newRow("8") << ScreenKind::Form8;
        QTest::newRow("9") << ScreenKind::Form7;
    }

    void drawingOrder()
    {
        QFETCH(ScreenKind, kind);
        Screen& s = open(kind);
        answerAndCheck(s, "0", "0");
        answerAndCheck(s, kind == ScreenKind::Form8 ? "8" : "9", "0");
        const QImage image = s.grab().toImage();

        // The smiling face covers the surprised one, but for a strip one pixel wide.
        const QRect smile = widgetOf(s, "Image2")->geometry();
        const QRect surprise = widgetOf(s, "Image1")->geometry();
        QVERIFY(surprise.bottom() == smile.bottom() + 1);
        const QColor centre = image.pixelColor(smile.center());
        QVERIFY2(centre.red() > 200 && centre.green() > 180 && centre.blue() < 140, "the smile's yellow disc");
        const QImage smilePicture = static_cast<QLabel*>(widgetOf(s, "Image2"))->pixmap().toImage();
        QCOMPARE(image.pixelColor(smile.topLeft() + QPoint(100, 30)), smilePicture.pixelColor(100, 30));

        // Both lines are drawn over the number's label where their ends fall inside it.
        const QRect number = widgetOf(s, "Label1")->geometry();
        const QColor grass(0, 192, 0);
        int greenInsideLabel = 0;
        for (int y = number.top(); y <= number.bottom(); ++y)
            for (int x = number.left(); x <= number.right(); ++x)
                greenInsideLabel += image.pixelColor(x, y) == grass;
        QVERIFY2(greenInsideLabel > 10, qPrintable(QString::number(greenInsideLabel)));
    }

    void picturesShownOnePixelPerPixel()
    {
        Screen& s = open(ScreenKind::Form8);
        // The surprised face's file declares 72 dpi; it is still shown at its pixel size.
        QCOMPARE(widgetOf(s, "Image1")->size(), QSize(205, 213));
        QCOMPARE(widgetOf(s, "Image2")->size(), QSize(212, 212));
    }
};

QTEST_MAIN(CompositionTest)
#include "CompositionTest.moc"
