#include "TestSupport.h"

#include "shell/ScreenLayout.h"

#include <QSignalSpy>

#include <memory>

using namespace sostav;
using namespace sostav::test;

namespace {

using enum WidgetKind;

// A screen made for these tests: two overlapping labels, a text box listed last but in
// the front layer, and a line listed before the label it crosses.
constexpr WidgetRow LayerRows[] = {
    {.name = "Line1",
        .kind = Line,
        .left = 300,
        .top = 300,
        .width = 2700,
        .height = 300,
        .fore = Rgb(0, 0, 255),
        .lineWidth = 5},
    {.name = "Label1",
        .kind = Label,
        .text = "A",
        .left = 0,
        .top = 0,
        .width = 1500,
        .height = 1500,
        .back = Rgb(255, 0, 0),
        .tabIndex = 0},
    {.name = "Label2",
        .kind = Label,
        .text = "B",
        .left = 750,
        .top = 750,
        .width = 1500,
        .height = 1500,
        .back = Rgb(0, 255, 0),
        .tabIndex = 1},
    {.name = "Text1",
        .kind = TextBox,
        .left = 1500,
        .top = 1500,
        .width = 1500,
        .height = 1500,
        .back = Rgb(255, 255, 0),
        .tabIndex = 2},
};
// Exercise tables with one fault each; a real screen built from one would fail to compile.
constexpr WidgetRow Back {.name = "Command1", .kind = CommandButton, .tabIndex = 0, .role = Role::Back};
constexpr WidgetRow Check {.name = "Command2", .kind = CommandButton, .tabIndex = 1, .role = Role::Check};
constexpr WidgetRow Reset {.name = "Command3", .kind = CommandButton, .tabIndex = 2, .role = Role::Reset};
constexpr WidgetRow Box {.name = "Text1", .kind = TextBox, .tabIndex = 3, .role = Role::Answer};
constexpr WidgetRow Right {.name = "Image1", .kind = Image, .role = Role::RightVerdict};
constexpr WidgetRow Wrong {.name = "Image2", .kind = Image, .role = Role::WrongVerdict};
constexpr WidgetRow Complete[] = {Back, Check, Reset, Box, Right, Wrong};
constexpr WidgetRow NoCheck[] = {Back, Reset, Box, Right, Wrong};
constexpr WidgetRow TwoBacks[] = {Back, Check, Reset, Box, Right, Wrong, Back};
constexpr WidgetRow TabRepeated[] = {Back, Check, Reset, Box, Right, Wrong, {.kind = Label, .tabIndex = 3}};
constexpr WidgetRow CheckOnALabel[] = {Back, {.kind = Label, .tabIndex = 1, .role = Role::Check}, Reset, Box, Right, Wrong};
static_assert(layoutProblem({.widgets = Complete}, Purpose::Exercise).empty());
static_assert(!layoutProblem({.widgets = NoCheck}, Purpose::Exercise).empty());
static_assert(!layoutProblem({.widgets = TwoBacks}, Purpose::Exercise).empty());
static_assert(!layoutProblem({.widgets = TabRepeated}, Purpose::Exercise).empty());
static_assert(!layoutProblem({.widgets = CheckOnALabel}, Purpose::Exercise).empty());
static_assert(!layoutProblem({.widgets = Complete}, Purpose::Menu).empty()); // a menu needs its exit

constexpr ScreenLayout LayerLayout {.name = "Layers",
    .background = Rgb(255, 255, 255),
    .clientWidth = 4500,
    .clientHeight = 4500,
    .widgets = LayerRows};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScreenRegistry> m_registry;

    Screen& menu() { return m_registry->obtain(ScreenKind::Form1); }

    void pressKey(Qt::Key key)
    {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }

private slots:
    void initTestCase() { muteOffscreenRaise(); }
    void init()
    {
        m_registry = std::make_unique<ScreenRegistry>(allScreens());
        m_registry->start();
        QVERIFY(QTest::qWaitForWindowActive(&menu()));
    }
    void cleanup() { m_registry.reset(); }

    void startShowsTheMenuAlone()
    {
        for (ScreenKind kind : AllScreenKinds)
            QCOMPARE(m_registry->existing(kind) != nullptr, kind == ScreenKind::Form1);
        QCOMPARE(visibleScreens(*m_registry), std::vector<Screen*> {&menu()});
        QCOMPARE(menu().windowTitle(), QStringLiteral("Form1"));
    }

    void exitButtonLiesBeyondTheClientArea()
    {
        const QRect client = menu().rect();
        QVERIFY(!client.intersects(buttonOf(menu(), "Command1")->geometry()));
        for (const char* name : {"Command6", "Command4", "Command7", "Command8"})
            QVERIFY2(client.contains(buttonOf(menu(), name)->geometry()), name);

        // Enlarging the window uncovers it; nothing moves or grows with the window.
        const QRect before = buttonOf(menu(), "Command1")->geometry();
        menu().resize(937, 545);
        QCOMPARE(buttonOf(menu(), "Command1")->geometry(), before);
        QVERIFY(menu().rect().contains(before));
    }

    void menuButtonsSwitchScreens_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("target");
        QTest::newRow("Состав числа 10") << "Command6" << int(ScreenKind::Form3);
        QTest::newRow("Состав числа 9") << "Command4" << int(ScreenKind::Form7);
        QTest::newRow("Состав числа 8") << "Command7" << int(ScreenKind::Form8);
        QTest::newRow("Повторение") << "Command8" << int(ScreenKind::Form6);
    }

    void menuButtonsSwitchScreens()
    {
        QFETCH(QString, button);
        QFETCH(int, target);
        const auto kind = ScreenKind(target);
        const QByteArray name = button.toLatin1();

        click(menu(), name);
        Screen* first = m_registry->existing(kind);
        QVERIFY(first);
        QCOMPARE(visibleScreens(*m_registry), std::vector<Screen*> {first});
        for (ScreenKind other : AllScreenKinds)
            QCOMPARE(m_registry->existing(other) != nullptr, other == ScreenKind::Form1 || other == kind);

        // Back and in again: the same window, never a second one, and the one menu.
        Screen* startMenu = &menu();
        click(*first, "Command1");
        QCOMPARE(visibleScreens(*m_registry), std::vector<Screen*> {startMenu});
        QVERIFY(QTest::qWaitForWindowActive(startMenu));
        QTRY_COMPARE(focusName(), button); // the focus is back on the button that left the menu
        click(menu(), name);
        QCOMPARE(m_registry->existing(kind), first);
        QCOMPARE(visibleScreens(*m_registry), std::vector<Screen*> {first});
        QCOMPARE(QApplication::topLevelWidgets().count(), 2);
    }

    void tabOrderWrapsAroundTheMenu_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Tab") << int(Qt::Key_Tab)
                             << QStringList {"Command1", "Command6", "Command4", "Command7", "Command8", "Command1"};
        QTest::newRow("Shift+Tab") << int(
            Qt::Key_Backtab) << QStringList {"Command1", "Command8", "Command7", "Command4", "Command6", "Command1"};
    }

    void tabOrderWrapsAroundTheMenu()
    {
        QFETCH(int, key);
        QFETCH(QStringList, expected);
        QStringList seen {focusName()};
        for (int i = 1; i < expected.size(); ++i) {
            pressKey(Qt::Key(key));
            seen << focusName();
        }
        QCOMPARE(seen, expected);
    }

    void keysOnTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("presses");
        QTest::newRow("Space") << int(Qt::Key_Space) << true;
        QTest::newRow("Return") << int(Qt::Key_Return) << true;
        QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
    }

    void keysOnTheFocusedButton()
    {
        QFETCH(int, key);
        QFETCH(bool, presses);
        QSignalSpy ended(m_registry.get(), &ScreenRegistry::programEnded);

        // Right after start the hidden "выход" holds the focus.
        QCOMPARE(focusName(), QStringLiteral("Command1"));
        pressKey(Qt::Key(key));
        QCOMPARE(ended.count(), presses ? 1 : 0);
        if (presses)
            QVERIFY(visibleScreens(*m_registry).empty());

        if (!presses) {
            pressKey(Qt::Key_Tab);
            pressKey(Qt::Key(key));
            QVERIFY(m_registry->existing(ScreenKind::Form3) == nullptr);
            QVERIFY(menu().isVisible());
        }
    }

    void closingAWindow()
    {
        QSignalSpy ended(m_registry.get(), &ScreenRegistry::programEnded);
        click(menu(), "Command4");
        Screen& exercise = *m_registry->existing(ScreenKind::Form7);
        QVERIFY(QTest::qWaitForWindowActive(&exercise));

        // Closing an exercise window goes back to the menu; the screen stays for later.
        QVERIFY(!exercise.close());
        QCOMPARE(visibleScreens(*m_registry), std::vector<Screen*> {&menu()});
        QCOMPARE(m_registry->existing(ScreenKind::Form7), &exercise);
        QCOMPARE(ended.count(), 0);

        // Closing the menu is the same as "выход".
        QVERIFY(QTest::qWaitForWindowActive(&menu()));
        menu().close();
        QCOMPARE(ended.count(), 1);
        QVERIFY(visibleScreens(*m_registry).empty());
    }

    void layersAndRowOrderDecideWhatIsSeen()
    {
        Screen screen(CheckedLayout(LayerLayout, Purpose::Plain));
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const QColor red(255, 0, 0), green(0, 255, 0), yellow(255, 255, 0), blue(0, 0, 255);

        QCOMPARE(pixelAt(screen, {75, 75}), red); // the earlier label covers the later one
        QCOMPARE(pixelAt(screen, {140, 140}), yellow); // a text box is over every label
        QCOMPARE(pixelAt(screen, {60, 20}), blue); // the line is over the label it crosses
        QCOMPARE(pixelAt(screen, {60, 40}), red); // ...and only its stroke is drawn
        QCOMPARE(pixelAt(screen, {160, 20}), blue);
        QCOMPARE(pixelAt(screen, {160, 10}), QColor(255, 255, 255));

        widgetOf(screen, "Label1")->hide(); // hiding uncovers what is behind
        QCOMPARE(pixelAt(screen, {75, 75}), green);
        QCOMPARE(pixelAt(screen, {25, 25}), QColor(255, 255, 255));
    }

    void labelsNeverTakeTheFocus()
    {
        Screen screen(CheckedLayout(LayerLayout, Purpose::Plain));
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QCOMPARE(focusName(), QStringLiteral("Text1"));
        pressKey(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Text1"));
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
