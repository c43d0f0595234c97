// The four exercise screens as a child meets them: what a check shows, what a reset and a
// trip to the menu leave, and what the rendered screen looks like.
#include "TestSupport.h"

#include "shell/Legibility.h"

#include <QDir>
#include <QLabel>

using namespace sostav;
using namespace sostav::test;

namespace {

struct Exercise {
    ScreenKind kind;
    const char* check;
    const char* reset;
    const char* right; // verdict widgets
    const char* wrong;
    QStringList boxes;
    QStringList rightAnswers;
    QString resetText;
};

const QStringList SheetBoxes {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10",
    "Text11", "Text12", "Text13"};
const QStringList SheetKey {"3", "1", "2", "0", "7", "9", "6", "8", "5", "8", "6", "5", "7"};

const Exercise Exercises[] = {
    {ScreenKind::Form3, "Command2", "Command3", "Label4", "Label5", {"Text1", "Text2"}, {"3", "7"}, ""},
    {ScreenKind::Form7, "Command2", "Command3", "Image2", "Image1", {"Text1", "Text2"}, {"4", "5"}, " "},
    {ScreenKind::Form8, "Command2", "Command3", "Image2", "Image1", {"Text1", "Text2"}, {"5", "3"}, " "},
    {ScreenKind::Form6, "Command3", "Command2", "Label1", "Label2", SheetBoxes, SheetKey, " "},
};
const char* const Tags[] = {"10", "9", "8", "worksheet"};

void perExercise()
{
    QTest::addColumn<int>("exercise");
    for (int i = 0; i < 4; ++i)
        QTest::newRow(Tags[i]) << i;
}

// The same picture, but for the last level or two of antialiasing, which depends on what
// the glyph cache drew before (or, with a larger tolerance, on rounding).
bool alike(const QImage& a, const QImage& b, int tolerance = 24)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) > tolerance)
                return false;
        }
    return true;
}

// The designed screen shrunk evenly: alike once both are reduced far enough that the
// hinting of smaller text and the rounding of every place to whole pixels no longer show.
bool alikeShrunk(const QImage& shown, const QImage& designed)
{
    const QSize coarse = shown.size() / 6;
    const auto reduce = [coarse](const QImage& image) {
        return image.scaled(coarse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    return std::abs(shown.width() * designed.height() - shown.height() * designed.width()) <= designed.width()
        && alike(
            reduce(shown), reduce(designed.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)), 160);
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

class ScreensTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> m_program;
    const Exercise* m_exercise = nullptr;
    Screen* m_screen = nullptr;

    Screen& open(int exercise)
    {
        m_exercise = &Exercises[exercise];
        m_screen = &m_program->open(m_exercise->kind);
        return *m_screen;
    }
    void answer(const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            fill(*m_screen, m_exercise->boxes[i].toLatin1(), texts[i]);
        click(*m_screen, m_exercise->check);
    }
    QString verdict() const
    {
        const bool right = child(*m_screen, m_exercise->right)->isVisible();
        const bool wrong = child(*m_screen, m_exercise->wrong)->isVisible();
        return right && wrong ? "both" : right ? "right" : wrong ? "wrong" : "none";
    }

private slots:
    void initTestCase() { muteOffscreenRaise(); }
    void init() { m_program = std::make_unique<Program>(); }
    void cleanup() { m_program.reset(); }

    // One verdict at a time, the latest check's; a reset clears either, a trip to the menu keeps.
    void verdictRule_data() { perExercise(); }
    void verdictRule()
    {
        QFETCH(int, exercise);
        Screen& screen = open(exercise);
        QCOMPARE(verdict(), "none");
        QStringList wrong = m_exercise->rightAnswers;
        wrong.last() = "9";
        answer(m_exercise->rightAnswers);
        QCOMPARE(verdict(), "right");
        answer(wrong);
        QCOMPARE(verdict(), "wrong");
        click(screen, m_exercise->check);
        QCOMPARE(verdict(), "wrong");

        click(screen, "Command1");
        QCOMPARE(&m_program->open(m_exercise->kind), &screen);
        QCOMPARE(verdict(), "wrong");
        QCOMPARE(textOf(screen, m_exercise->boxes.last().toLatin1()), QStringLiteral("9"));

        click(screen, m_exercise->reset);
        QCOMPARE(verdict(), "none");
        for (const QString& box : m_exercise->boxes)
            QCOMPARE(textOf(screen, box.toLatin1()), m_exercise->resetText);
        // Typed next to the reset's space, a digit still reads.
        QTest::keyClicks(child(screen, m_exercise->boxes.first().toLatin1()), m_exercise->rightAnswers.first());
        QCOMPARE(textOf(screen, m_exercise->boxes.first().toLatin1()).trimmed(), m_exercise->rightAnswers.first());
        QStringList longFirst = m_exercise->rightAnswers; // a box takes a text of any length
        longFirst.first().prepend(QString(100000, ' '));
        answer(longFirst);
        QCOMPARE(verdict(), "right");
        click(screen, m_exercise->reset);
        QCOMPARE(verdict(), "none");
    }

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

    // Each screen as first drawn and checked, pixel for pixel: places, sizes, fonts and
    // colours as a child sees them. SOSTAV_UPDATE_LOOKS=1 draws the references anew, to be
    // looked at before they are committed. On a desktop too small for a screen (ctest runs
    // this on a netbook's 1024x600 too), the screen is whole and the same, evenly shrunk.
    void looksAsDrawn_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<bool>("right");
        QTest::newRow("menu") << -1 << false; // as it opens, "выход" out of sight
        QTest::newRow("menu enlarged") << -1 << false;
        for (int i = 0; i < 4; ++i) {
            QTest::addRow("%s right", Tags[i]) << i << true;
            QTest::addRow("%s wrong", Tags[i]) << i << false;
        }
    }
    void looksAsDrawn()
    {
        QFETCH(int, exercise);
        QFETCH(bool, right);
        QApplication::setCursorFlashTime(0); // a caret that never blinks is always drawn
        QWidget* screen = &m_program->menu();
        if (QTest::currentDataTag() == QByteArrayView("menu enlarged"))
            screen->resize(937, 545); // enough to show "выход" too
        if (exercise >= 0) {
            screen = &open(exercise);
            QStringList wrong = m_exercise->rightAnswers;
            wrong.last() = "9";
            answer(right ? m_exercise->rightAnswers : wrong);
        }
        QVERIFY(QTest::qWaitForWindowActive(screen)); // the caret and focus frame as the child sees them
        const QImage looks = screen->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString file
            = QStringLiteral(SOSTAV_LOOKS "/%1.png").arg(QString(QTest::currentDataTag()).replace(' ', '-'));
        if (qEnvironmentVariableIsSet("SOSTAV_UPDATE_LOOKS"))
            QVERIFY(looks.save(file));
        const QImage expected = QImage(file).convertToFormat(QImage::Format_RGB32);
        QVERIFY(screen->screen()->availableGeometry().contains(screen->frameGeometry()));
        const bool same = looks.size() == expected.size() ? alike(looks, expected) : alikeShrunk(looks, expected);
        if (!same)
            looks.save(QDir::temp().filePath(QFileInfo(file).fileName()));
        QVERIFY2(same, qPrintable("differs from " + file + "; what it drew is in " + QDir::tempPath()));
    }
};

QTEST_MAIN(ScreensTest)
#include "ScreensTest.moc"
