// Moving between screens, the focus and the keys, window closes, and how a table becomes a
// window.
#include "TestSupport.h"

#include "shell/DesktopFit.h"

#include <QProcess>
#include <QSignalSpy>

#include <array>
#include <new>

using namespace sostav;
using namespace sostav::test;

namespace {

using enum WidgetKind;

// clang-format off
// An exercise table, whole or with one row put in place of another; in place of the spare
// line, the row is as good as added.
constexpr std::array<WidgetRow, 7> Complete {{
    {.name = "Command1", .kind = CommandButton, .tabIndex = 0, .role = Role::Back},
    {.name = "Command2", .kind = CommandButton, .tabIndex = 1, .role = Role::Check},
    {.name = "Command3", .kind = CommandButton, .tabIndex = 2, .role = Role::Reset},
    {.name = "Text1", .kind = TextBox, .tabIndex = 3, .role = Role::Answer},
    {.name = "Image1", .kind = Image, .visible = false, .role = Role::RightVerdict},
    {.name = "Image2", .kind = Image, .visible = false, .role = Role::WrongVerdict},
    {.name = "Line1", .kind = Line}}};
constexpr int Spare = 6;

struct Table {
    const char* tag;
    WidgetRow row;
    int replacing; // a row of Complete
    const char* problem; // what stops the build, after "broken screen table, screen Form9: "
    Judge judge = [](std::span<const std::string>) { return true; };
};
const Table Tables[] = {
    {"whole", Complete[Spare], Spare, ""},
    {"no check button", {.name = "Label1", .kind = Label, .tabIndex = 1}, 1, "no check button"},
    {"no reset button", {.name = "Label1", .kind = Label, .tabIndex = 2}, 2, "no reset button"},
    {"no answer box", {.name = "Label1", .kind = Label, .tabIndex = 3}, 3, "no answer box"},
    {"no judge", Complete[Spare], Spare, "no judge for its answers", nullptr},
    {"no wrong verdict", {.name = "Image2", .kind = Image}, 5, "no wrong verdict"},
    {"two back buttons", {.name = "Command4", .kind = CommandButton, .tabIndex = 4, .role = Role::Back}, Spare, "more than one back button"},
    {"tab index gap", {.name = "Label1", .kind = Label, .tabIndex = 5}, Spare, "tab index 4 is held by no row: a gap"},
    {"tab index repeat", {.name = "Label1", .kind = Label, .tabIndex = 3}, Spare, "tab index 3 is held by rows Text1 and Label1: a repeat"},
    {"label without a tab index", {.name = "Label1", .kind = Label}, Spare, "row Label1: a button, box or label needs a tab index"},
    {"answer slot gap", {.name = "Text2", .kind = TextBox, .tabIndex = 4, .role = Role::Answer, .slot = 2}, Spare, "answer slot 1 is held by no row: a gap"},
    {"answer on a label", {.name = "Label1", .kind = Label, .tabIndex = 3, .role = Role::Answer}, 3, "row Label1: an answer box must be a text box"},
    {"check on a label", {.name = "Label1", .kind = Label, .tabIndex = 1, .role = Role::Check}, 1, "row Label1: a check button must be a command button"},
    {"picture with a tab index", {.name = "Image3", .kind = Image, .tabIndex = 4}, Spare, "row Image3: a picture or a line takes no tab index"},
    {"menu without exit", {.name = "Command1", .kind = CommandButton, .tabIndex = 0, .role = Role::Open}, 0, "no exit button"},
};

ScreenLayout layoutOf(const Table& table)
{
    static std::array<WidgetRow, 7> rows; // the screen built from it may keep reading it
    rows = Complete;
    rows[std::size_t(table.replacing)] = table.row;
    return {.name = "Form9", .clientWidth = 1500, .clientHeight = 1500, .widgets = rows, .judge = table.judge};
}

// clang-format on

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> m_program;

    static void press(Qt::Key key)
    {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    QList<Screen*> visibleScreens() const
    {
        QList<Screen*> result;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* screen = qobject_cast<Screen*>(window); screen && screen->isVisible())
                result << screen;
        return result;
    }

private slots:
    void initTestCase() { muteOffscreenRaise(); }
    void init()
    {
        m_program = std::make_unique<Program>();
        QVERIFY(QTest::qWaitForWindowActive(&m_program->menu()));
    }
    void cleanup() { m_program.reset(); }

    void menuLeadsToEachExerciseAndBack()
    {
        QCOMPARE(visibleScreens(), QList<Screen*> {&m_program->menu()});
        for (auto [button, kind] : m_program->menu().roles().links) {
            QVERIFY(!m_program->registry.existing(kind)); // made only when first needed
            Screen& screen = m_program->open(kind);
            QVERIFY2(screen.accessibleName().contains(button->text()), qPrintable(button->text())); // as it says
            QCOMPARE(visibleScreens(), QList<Screen*> {&screen});
            click(screen, "Command1");
            QCOMPARE(visibleScreens(), QList<Screen*> {&m_program->menu()});
            QCOMPARE(&m_program->open(kind), &screen); // the same one again
            click(screen, "Command1");
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), 5);
    }

    // Tab from the first focus all the way round, then Shift+Tab back.
    void tabOrder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("menu") << int(ScreenKind::Form1)
                              << QStringList {"Command1", "Command6", "Command4", "Command7", "Command8"};
        QTest::newRow("10") << int(ScreenKind::Form3)
                            << QStringList {"Command1", "Text1", "Text2", "Command2", "Command3"};
        QTest::newRow("9") << int(ScreenKind::Form7)
                           << QStringList {"Command1", "Text1", "Text2", "Command2", "Command3"};
        QTest::newRow("8") << int(ScreenKind::Form8)
                           << QStringList {"Text1", "Text2", "Command1", "Command2", "Command3"};
        QTest::newRow("worksheet") << int(ScreenKind::Form6)
                                   << QStringList {"Command1", "Text1", "Text2", "Text3", "Text4", "Command2", "Text5",
                                          "Text6", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Text13",
                                          "Command3"};
    }
    void tabOrder()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, order);
        Screen& screen = kind == int(ScreenKind::Form1) ? m_program->menu() : m_program->open(ScreenKind(kind));
        QCOMPARE(screen.focusWidget()->objectName(), order.first()); // even before the window is active
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QStringList forward {focusName()}, backward;
        for (int i = 0; i < order.size(); ++i) {
            press(Qt::Key_Tab);
            forward << focusName();
            // What an on-screen keyboard is told of the box it types into: digits first.
            if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
                QVERIFY(box->inputMethodQuery(Qt::ImHints).toInt() & Qt::ImhPreferNumbers);
        }
        QCOMPARE(forward, order + QStringList {order.first()});
        for (int i = 0; i < order.size(); ++i) {
            press(Qt::Key_Backtab);
            backward.prepend(focusName());
        }
        QCOMPARE(backward, order);
    }

    // Left through the frame's close button, a screen comes back with the focus where it was;
    // the menu with it on the button that left it.
    void focusKeptAcrossVisits()
    {
        Screen& nine = m_program->open(ScreenKind::Form7);
        QVERIFY(QTest::qWaitForWindowActive(&nine));
        click(nine, "Command2");
        child(nine, "Text2")->setFocus();
        QVERIFY(!nine.close());
        QVERIFY(QTest::qWaitForWindowActive(&m_program->menu()));
        QCOMPARE(focusName(), QStringLiteral("Command4"));
        click(m_program->menu(), "Command4");
        QVERIFY(QTest::qWaitForWindowActive(&nine));
        QCOMPARE(focusName(), QStringLiteral("Text2"));
    }

    // Space, Return and the keypad's Enter press the focused button once however long they
    // are held, when they are let go, and only when the press reached it too and it kept the
    // focus in between; Escape presses nothing. Steps: p a press, r a release, capitals the
    // key's auto-repeat, @t the event's time, f the focus leaving the button.
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("presses");
        QTest::newRow("Space") << int(Qt::Key_Space) << "p r" << 1;
        QTest::newRow("Return") << int(Qt::Key_Return) << "p r" << 1;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << "p r" << 0;
        QTest::newRow("Return held") << int(Qt::Key_Return) << "p P R P R P r" << 1;
        QTest::newRow("Return still held") << int(Qt::Key_Return) << "p P R P R P" << 0;
        QTest::newRow("Space pressed twice") << int(Qt::Key_Space) << "p@100 r@200 p@300 r@400" << 2;
        QTest::newRow("Return, the focus lost while down") << int(Qt::Key_Return) << "p f r" << 0;
        QTest::newRow("keypad Enter held") << int(Qt::Key_Enter) << "p P R P r" << 1;
        QTest::newRow("Return held, repeats passed on as presses")
            << int(Qt::Key_Return) << "p@100 r@700 p@700 r@750 p@750 r@900" << 1;
        QTest::newRow("Return pressed in another window") << int(Qt::Key_Return) << "P R P r" << 0;
        QTest::newRow("Space pressed in another window") << int(Qt::Key_Space) << "r@700 p@700 r@900" << 0;
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(QString, steps);
        QFETCH(int, presses);
        QSignalSpy ended(&m_program->registry, &ScreenRegistry::programEnded);
        QWidget* exit = QApplication::focusWidget(); // "выход" holds the focus at start
        QVERIFY(exit);
        const auto modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        for (const QString& step : steps.split(' ')) {
            const bool press = step.front().toLower() == 'p';
            QKeyEvent event(
                press ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers, QString(), step.front().isUpper());
            event.setTimestamp(step.section('@', 1).toULongLong());
            step == "f" ? exit->clearFocus() : void(QApplication::sendEvent(exit, &event));
        }
        QCOMPARE(ended.count(), presses);
        QCOMPARE(visibleScreens().isEmpty(), presses > 0);
        if (presses == 0 && key == Qt::Key_Escape) {
            Screen& ten = m_program->open(ScreenKind::Form3);
            QVERIFY(QTest::qWaitForWindowActive(&ten));
            press(Qt::Key(key)); // on "<=", no default button takes it either
            QVERIFY(ten.isVisible());
        }
    }

    void closingAWindow()
    {
        QSignalSpy ended(&m_program->registry, &ScreenRegistry::programEnded);
        Screen& sheet = m_program->open(ScreenKind::Form6);
        QVERIFY(!sheet.close()); // an exercise goes back to the menu and stays for later
        QCOMPARE(visibleScreens(), QList<Screen*> {&m_program->menu()});
        QCOMPARE(ended.count(), 0);
        m_program->menu().close(); // the menu ends the program, as "выход" does
        QCOMPARE(ended.count(), 1);
        QVERIFY(visibleScreens().isEmpty());
    }

    // A broken table stops the first build of its screen, saying which screen, row and rule.
    void tableMistakes_data()
    {
        QTest::addColumn<int>("table");
        for (const Table& table : Tables)
            QTest::newRow(table.tag) << int(&table - Tables);
    }
    void tableMistakes()
    {
        QFETCH(int, table);
        if (qEnvironmentVariableIsSet("SOSTAV_TABLE")) { // the child below, which a stop ends
            Screen screen(layoutOf(Tables[table]));
            return;
        }
        QProcess child;
        child.setEnvironment(QProcess::systemEnvironment() << "SOSTAV_TABLE=1"
                                                           << "QTEST_DISABLE_STACK_DUMP=1"
                                                           << "QTEST_DISABLE_CORE_DUMP=1");
        child.start(QCoreApplication::applicationFilePath(), {"tableMistakes:" + QString(QTest::currentDataTag())});
        QVERIFY(child.waitForFinished());
        const QByteArray problem = Tables[table].problem, said = child.readAll();
        QCOMPARE(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, problem.isEmpty());
        QVERIFY2(said.contains("broken screen table, screen Form9: " + problem + '\n') != problem.isEmpty(), said);
    }

    // An exception inside a click (memory running out as a long answer is copied, say) ends
    // that click's handling, says so once, and the screen goes on working.
    void failureEndsOnlyItsClick()
    {
        static int checks = 0;
        const Judge failingOnce = [](std::span<const std::string>) {
            if (++checks == 1)
                throw std::bad_alloc();
            return true;
        };
        Screen screen(layoutOf({"", Complete[Spare], Spare, "", failingOnce}));
        auto* check = child<QAbstractButton>(screen, "Command2");
        QTest::ignoreMessage(QtCriticalMsg, "sostav: std::bad_alloc");
        check->click();
        QVERIFY(!child(screen, "Image1")->isVisibleTo(&screen) && !child(screen, "Image2")->isVisibleTo(&screen));
        check->click();
        QVERIFY(child(screen, "Image1")->isVisibleTo(&screen));
    }

    // A stored position stands where the window fits, frame and all; otherwise the window
    // moves just enough, keeping its top-left corner in view when it cannot fit at all.
    void fittingOnTheDesktop_data()
    {
        QTest::addColumn<QRect>("client");
        QTest::addColumn<QPoint>("fitted");
        QTest::newRow("fits") << QRect(307, 266, 711, 373) << QPoint(307, 266);
        QTest::newRow("off the bottom") << QRect(307, 420, 711, 373) << QPoint(307, 390);
        QTest::newRow("title bar above the top") << QRect(307, 10, 711, 373) << QPoint(307, 25);
        QTest::newRow("larger than the desktop") << QRect(307, 266, 2000, 1000) << QPoint(5, 25);
    }
    void fittingOnTheDesktop()
    {
        QFETCH(QRect, client);
        QFETCH(QPoint, fitted);
        QCOMPARE(fittedClientPosition(client, QMargins(5, 25, 5, 5), QRect(0, 0, 1366, 768)), fitted);
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
