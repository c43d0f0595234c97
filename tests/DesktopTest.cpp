// What the desktop imposes on a screen: its colour scheme and the room it gives.
#include "ExerciseFixture.h"

#include "shell/Legibility.h"
#include "shell/LineWidget.h"

#include <QLabel>
#include <QScreen>

using namespace sostav;
using namespace sostav::test;

namespace {

// How much colour a line puts on the background behind it.
double ink(QWidget& line)
{
    const QImage drawn = line.grab().toImage();
    const QColor ground = drawn.pixelColor(0, 0); // a corner the stroke never reaches
    const auto distance = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    };
    double sum = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            sum += distance(drawn.pixelColor(x, y), ground);
    return sum / (drawn.devicePixelRatio() * drawn.devicePixelRatio());
}

// How far each text on a screen stands out, measured in its rendered pixels: the commonest
// colour is the background, the colour farthest from it the text.
void measureTexts(const QWidget& screen, QMap<QString, double>& contrasts)
{
    for (QWidget* w : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        auto* label = qobject_cast<QLabel*>(w);
        if (!w->isVisible() || !(qobject_cast<QLineEdit*>(w) || (label && !label->text().isEmpty())))
            continue;
        const QImage image = w->grab(w->rect().adjusted(3, 3, -3, -3)).toImage();
        QHash<QRgb, int> counts;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ++counts[image.pixel(x, y)];
        const QRgb background = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
        double farthest = 1;
        for (const QRgb colour : counts.keys())
            farthest = std::max(farthest, contrastRatio(QColor(colour), QColor(background)));
        contrasts[w->objectName()] = farthest;
    }
}

QPalette darkScheme()
{
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(238, 238, 238));
    return dark;
}

} // namespace

class DesktopTest : public ExerciseFixture {
    Q_OBJECT

private slots:
    void initTestCase() { muteOffscreenRaise(); }
    void init() { m_program = std::make_unique<Program>(); }
    void cleanup() { m_program.reset(); }

    // Every text on a fixed colour reads at least as well under a dark desktop scheme as
    // under the light one the screens were designed on, verdicts and typed digits included.
    void legibleInAnyScheme_data() { perExercise(); }
    void legibleInAnyScheme()
    {
        QFETCH(int, exercise);
        const QPalette light = QApplication::palette();
        const auto measure = [&] {
            m_program = std::make_unique<Program>();
            QMap<QString, double> contrasts;
            QStringList wrong = Exercises[exercise].rightAnswers;
            wrong.last() = "9";
            for (const QStringList& answers : {Exercises[exercise].rightAnswers, wrong}) {
                open(exercise);
                answer(answers);
                measureTexts(*m_screen, contrasts);
            }
            return contrasts;
        };
        const QMap<QString, double> designed = measure();
        QApplication::setPalette(darkScheme());
        const QMap<QString, double> dark = measure();
        QApplication::setPalette(light);
        QVERIFY(designed.size() >= 2);
        for (const auto& [name, contrast] : designed.asKeyValueRange())
            QVERIFY2(dark.value(name) >= contrast * 0.9,
                qPrintable(
                    QStringLiteral("%1: %2 on dark, %3 designed").arg(name).arg(dark.value(name)).arg(contrast)));
    }

    // Maximised into less room than it asks for (here on a small display beside the laptop's;
    // in life a desktop maximising a screen too large for its work area), a screen shows
    // whole, evenly shrunk, lines thinned as much as shortened, with what was typed, its
    // verdict and its focus; unmaximised, it is its own size again. Where it fits, maximising
    // changes nothing, and a size given with the frame moves nothing either: what lies beyond
    // is cut off.
    void roomTheDesktopGives_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("display");
        for (int i = 0; i < 4; ++i)
            QTest::addRow("%s on the small display", Tags[i]) << i << "small";
        QTest::newRow("10 where it fits") << 0 << "wide";
    }
    void roomTheDesktopGives()
    {
        QFETCH(int, exercise);
        QFETCH(QString, display);
        QScreen* room = nullptr;
        for (QScreen* each : QGuiApplication::screens())
            room = each->name() == display ? each : room;
        QVERIFY2(room, "runs on two displays (tests/desktops/pair.json)");
        Screen& screen = open(exercise);
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QStringList typed = m_exercise->rightAnswers;
        typed.last() = "9";
        answer(typed);
        child(screen, m_exercise->boxes.first().toLatin1())->setFocus();
        const QSize own = screen.size();
        const QImage designed = screen.grab().toImage();
        struct Look {
            QWidget* w;
            QRect place;
            int font;
            double ink;
        };
        QList<Look> looks;
        for (QWidget* w : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            looks.append({w, w->geometry(), w->font().pixelSize(), qobject_cast<LineWidget*>(w) ? ink(*w) : 0});

        screen.resize(own - QSize(100, 50));
        QCOMPARE(screen.grab().toImage(),
            designed.copy(QRect(QPoint(), (own - QSize(100, 50)) * designed.devicePixelRatio())));
        screen.resize(own);
        screen.move(room->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE(screen.screen(), room);
        screen.setWindowState(Qt::WindowMaximized);
        QTRY_VERIFY(room->availableGeometry().contains(screen.frameGeometry()));
        const double scale
            = std::min(1.0, std::min(double(screen.width()) / own.width(), double(screen.height()) / own.height()));
        QVERIFY(display == "wide" || scale < 0.95);
        QVERIFY2(screen.rect().contains(screen.childrenRect()), "cut off");
        for (const Look& was : looks) {
            const QRect now = was.w->geometry(), expected(was.place.topLeft() * scale, was.place.size() * scale);
            const int off = (now.topLeft() - expected.topLeft()).manhattanLength()
                + (now.bottomRight() - expected.bottomRight()).manhattanLength();
            QVERIFY2(off <= 4 && std::abs(was.w->font().pixelSize() - was.font * scale) <= 1,
                qPrintable(was.w->objectName()));
            QVERIFY2(
                !was.ink || std::abs(ink(*was.w) / was.ink / (scale * scale) - 1) < 0.08, "a line as thick as before");
        }
        if (scale == 1)
            QVERIFY(alike(screen.grab().toImage().copy(designed.rect()), designed));
        QCOMPARE(textOf(screen, m_exercise->boxes.last().toLatin1()), QStringLiteral("9"));
        QCOMPARE(verdict(), "wrong");
        QCOMPARE(focusName(), m_exercise->boxes.first());

        screen.setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(screen.size(), own);
        QVERIFY(alike(screen.grab().toImage(), designed));
    }

    // A room the desktop gives a screen as it shows stays the table's while the digit pad is
    // beside it, where the desktop has room for both, and is the window's again without it.
    void roomGivenAsShown()
    {
        QApplication::setCursorFlashTime(0); // a caret that never blinks is always drawn
        Screen& screen = open(3);
        const int own = box(0)->width();
        click(screen, "Command1");
        m_program->open(m_exercise->kind);
        const QSize room = screen.size() - QSize(40, 24);
        screen.resize(room);
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        box(0)->setFocus();
        const QSize given = box(0)->size();
        const QImage shown = screen.grab().toImage();
        QVERIFY(given.width() < own);
        tap(box(0));
        QCOMPARE(box(0)->size(), given);
        tap(key("убрать цифры"));
        QCOMPARE(screen.size(), room);
        QVERIFY(alike(screen.grab().toImage(), shown));
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
