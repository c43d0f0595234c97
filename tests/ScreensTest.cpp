// The four exercise screens as a child meets them: what a check shows, what a reset and a
// trip to the menu leave, and what the rendered screen looks like.
#include "TestSupport.h"

#include <QLabel>

using namespace sostav;
using namespace sostav::test;

namespace {

struct Exercise {
    const char* opener; // its menu button
    ScreenKind kind;
    const char* check;
    const char* reset;
    const char* right; // verdict widgets
    const char* wrong;
    QStringList boxes;
    QStringList rightAnswers;
    QString resetText;
    QColor ink; // of the digits typed into the boxes
};

const QStringList SheetBoxes {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9",
    "Text10", "Text11", "Text12", "Text13"};
const QStringList SheetKey {"3", "1", "2", "0", "7", "9", "6", "8", "5", "8", "6", "5", "7"};

const Exercise Exercises[] = {
    {"Command6", ScreenKind::Form3, "Command2", "Command3", "Label4", "Label5", {"Text1", "Text2"}, {"3", "7"}, ""},
    {"Command4", ScreenKind::Form7, "Command2", "Command3", "Image2", "Image1", {"Text1", "Text2"}, {"4", "5"}, " "},
    {"Command7", ScreenKind::Form8, "Command2", "Command3", "Image2", "Image1", {"Text1", "Text2"}, {"5", "3"}, " "},
    {"Command8", ScreenKind::Form6, "Command3", "Command2", "Label1", "Label2", SheetBoxes, SheetKey, " "},
};
const char* const Tags[] = {"10", "9", "8", "worksheet"};
enum { Ten, Nine, Eight, Sheet };

void perExercise()
{
    QTest::addColumn<int>("exercise");
    for (int i = 0; i < 4; ++i)
        QTest::newRow(Tags[i]) << i;
}

// The smallest rectangle around the pixels of `area` that `ink` accepts.
template <typename Ink> QRect inkOf(const QImage& image, QRect area, Ink ink)
{
    QRect found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ink(image.pixelColor(x, y)))
                found |= QRect(x, y, 1, 1);
    return found;
}

auto exactly(QColor colour)
{
    return [colour](QColor c) { return c == colour; };
}

bool dark(QColor c)
{
    return c.lightness() < 60;
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
        m_screen = &m_program->open(m_exercise->opener, m_exercise->kind);
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
        const bool right = shown(*m_screen, m_exercise->right), wrong = shown(*m_screen, m_exercise->wrong);
        return right && wrong ? "both" : right ? "right" : wrong ? "wrong" : "none";
    }

private slots:
    void initTestCase() { muteOffscreenRaise(); }
    void init() { m_program = std::make_unique<Program>(); }
    void cleanup() { m_program.reset(); }

    void verdicts_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("expected");
        QStringList oneWrong = SheetKey, spelt = SheetKey;
        oneWrong[12] = "8";
        spelt[0] = "3abc";
        spelt[3] = "";
        spelt[4] = "07.0";
        QTest::newRow("10: 0.3 and 9.7") << 0 << QStringList {"0.3", "9.7"} << "right";
        QTest::newRow("10: 12 and -2") << 0 << QStringList {"12", "-2"} << "right";
        QTest::newRow("10: 3 after 100000 blanks, and 7") << 0 << QStringList {QString(100000, ' ') + "3", "7"} << "right";
        QTest::newRow("10: empty boxes") << 0 << QStringList {} << "wrong";
        QTest::newRow("10: a sum past the range") << 0 << QStringList {"1e308", "1e308"} << "wrong";
        QTest::newRow("9: 9 and an empty box") << 1 << QStringList {"9", ""} << "right";
        QTest::newRow("9: 4 and 4") << 1 << QStringList {"4", "4"} << "wrong";
        QTest::newRow("8: an empty box and 8") << 2 << QStringList {"", "8"} << "right";
        QTest::newRow("8: 4.5 and 3") << 2 << QStringList {"4.5", "3"} << "wrong";
        QTest::newRow("worksheet: spelt otherwise") << 3 << spelt << "right";
        QTest::newRow("worksheet: the last box wrong") << 3 << oneWrong << "wrong";
        QTest::newRow("worksheet: untouched") << 3 << QStringList {} << "wrong";
    }

    void verdicts()
    {
        QFETCH(int, exercise);
        QFETCH(QStringList, texts);
        QFETCH(QString, expected);
        open(exercise);
        answer(texts);
        QCOMPARE(verdict(), expected);
    }

    // One verdict at a time, the latest check's; a reset clears, a trip to the menu keeps.
    void verdictRule_data() { perExercise(); }
    void verdictRule()
    {
        QFETCH(int, exercise);
        Screen& screen = open(exercise);
        QStringList wrong = m_exercise->rightAnswers;
        wrong.last() = "9";
        answer(m_exercise->rightAnswers);
        QCOMPARE(verdict(), "right");
        answer(wrong);
        QCOMPARE(verdict(), "wrong");
        click(screen, m_exercise->check);
        QCOMPARE(verdict(), "wrong");

        click(screen, "Command1");
        QCOMPARE(&m_program->open(m_exercise->opener, m_exercise->kind), &screen);
        QCOMPARE(verdict(), "wrong");
        QCOMPARE(textOf(screen, m_exercise->boxes.last().toLatin1()), QStringLiteral("9"));

        click(screen, m_exercise->reset);
        QCOMPARE(verdict(), "none");
        for (const QString& box : m_exercise->boxes)
            QCOMPARE(textOf(screen, box.toLatin1()), m_exercise->resetText);
        // Typed next to the reset's space, a digit still reads.
        QTest::keyClicks(child(screen, m_exercise->boxes.first().toLatin1()), m_exercise->rightAnswers.first());
        QCOMPARE(textOf(screen, m_exercise->boxes.first().toLatin1()).trimmed(), m_exercise->rightAnswers.first());
    }

    // Where two verdicts overlap, the one listed first is in front.
    void drawingOrder_data() { perExercise(); }
    void drawingOrder()
    {
        QFETCH(int, exercise);
        Screen& screen = open(exercise);
        QWidget* right = child(screen, m_exercise->right);
        QWidget* wrong = child(screen, m_exercise->wrong);
        right->show();
        wrong->show();
        const QRect overlap = right->geometry() & wrong->geometry();
        const QImage image = screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QWidget* front = exercise == Sheet ? wrong : right;
        const QImage alone = front->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (!overlap.isEmpty())
            QCOMPARE(image.copy(overlap), alone.copy(overlap.translated(-front->pos())));
        // Answer boxes are in front of every picture and label.
        for (const QString& box : m_exercise->boxes) {
            const QRect place = child(screen, box.toLatin1())->geometry();
            QCOMPARE(image.pixelColor(place.center()), child(screen, box.toLatin1())->palette().base().color());
        }
    }

    // Verdict words in their colours, whole; on the screen for 10 centred over each box.
    void verdictWords_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("centred");
        QTest::newRow("МОЛОДЕЦ") << 0 << QByteArray("Label4") << QColor(255, 0, 0) << true;
        QTest::newRow("ПОДУМАЙ on 10") << 0 << QByteArray("Label5") << QColor(0, 0, 192) << true;
        QTest::newRow("ОТЛИЧНО") << 3 << QByteArray("Label1") << QColor(255, 0, 0) << false;
        QTest::newRow("ПОДУМАЙ on the worksheet") << 3 << QByteArray("Label2") << QColor(0, 0, 128) << false;
    }
    void verdictWords()
    {
        QFETCH(int, exercise);
        QFETCH(QByteArray, word);
        QFETCH(QColor, colour);
        QFETCH(bool, centred);
        Screen& screen = open(exercise);
        auto* label = child<QLabel>(screen, word);
        label->show();
        const QRect ink = inkOf(label->grab().toImage(), label->rect(), exactly(colour));
        QVERIFY(ink.height() > label->height() / 3);
        QVERIFY(label->fontMetrics().boundingRect(label->text()).width() <= label->width());
        if (centred)
            QVERIFY(qAbs(ink.center().x() - label->width() / 2) <= 2 && qAbs(ink.center().y() - label->height() / 2) <= 3);
        else
            QVERIFY(ink.left() <= 3 && ink.top() <= label->height() / 3);
    }

    // A digit typed into an answer box is large and bold enough to fill it; the split
    // diagram's number and lines stay in view; the sheet's boxes sit in white cells.
    void whatAChildSees_data() { perExercise(); }
    void whatAChildSees()
    {
        QFETCH(int, exercise);
        Screen& screen = open(exercise);
        const QColor background = screen.palette().window().color();
        QCOMPARE(background, QColor(192, 255, 192));
        fill(screen, "Text1", "8");
        QWidget* box = child(screen, "Text1");
        const QImage typed = box->grab().toImage();
        const QRect digit = inkOf(typed, typed.rect(), dark);
        QVERIFY2(digit.height() * 100 / box->height() >= (exercise == Ten ? 55 : 45), qPrintable(QString::number(digit.height())));
        int inked = 0;
        for (int y = digit.top(); y <= digit.bottom(); ++y)
            for (int x = digit.left(); x <= digit.right(); ++x)
                inked += dark(typed.pixelColor(x, y)) ? 1 : 0;
        const bool bold = inked * 100 / (digit.width() * digit.height()) >= 52; // normal strokes ink about 45 %
        QCOMPARE(bold, exercise != Ten);

        const QImage image = screen.grab().toImage();
        if (exercise == Nine || exercise == Eight) {
            QWidget* number = child(screen, "Label1");
            for (const QString& name : m_exercise->boxes)
                QVERIFY(!child(screen, name.toLatin1())->geometry().intersects(number->geometry()));
            QVERIFY(inkOf(image, number->geometry(), exactly(QColor(255, 128, 0))).height() > number->height() / 2);
            for (const char* line : {"Line1", "Line2"})
                QVERIFY(!inkOf(image, child(screen, line)->geometry(), exactly(QColor(0, 192, 0))).isEmpty());
        }
        if (exercise == Sheet) {
            // Two pixels around every box are the white of its cell.
            for (const QString& name : m_exercise->boxes) {
                const QRect around = child(screen, name.toLatin1())->geometry().adjusted(-2, -2, 2, 2);
                for (const QPoint p : {around.topLeft(), around.topRight(), around.bottomLeft(), around.bottomRight()})
                    QVERIFY2(image.pixelColor(p).lightness() > 230, qPrintable(name));
            }
        }
    }
};

QTEST_MAIN(ScreensTest)
#include "ScreensTest.moc"
