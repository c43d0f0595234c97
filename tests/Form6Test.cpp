#include "TestSupport.h"

#include <QLabel>

#include <memory>

using namespace sostav;
using namespace sostav::test;

namespace {

// The right sheet, Text1 to Text13.
const QStringList RightSheet {"3", "1", "2", "0", "7", "9", "6", "8", "5", "8", "6", "5", "7"};

QByteArray boxName(int index)
{
    return "Text" + QByteArray::number(index + 1);
}

} // namespace

// The review worksheet: thirteen blanks judged as one sheet.
class Form6Test : public QObject {
    Q_OBJECT

    std::unique_ptr<ScreenRegistry> m_registry;
    Screen* m_screen = nullptr;

    Screen& sheet() { return *m_screen; }
    QString words()
    {
        return QStringLiteral("%1%2")
            .arg(shown(sheet(), "Label1") ? "ОТЛИЧНО " : "", shown(sheet(), "Label2") ? "ПОДУМАЙ" : "")
            .trimmed();
    }
    void fillSheet(const QStringList& answers)
    {
        for (int i = 0; i < answers.size(); ++i)
            fill(sheet(), boxName(i), answers[i]);
    }

private slots:
    void initTestCase() { muteOffscreenRaise(); }
    void init()
    {
        m_registry = std::make_unique<ScreenRegistry>(allScreens());
        m_registry->start();
        click(m_registry->obtain(ScreenKind::Form1), "Command8");
        m_screen = m_registry->existing(ScreenKind::Form6);
        QVERIFY(m_screen && m_screen->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(m_screen));
    }
    void cleanup() { m_registry.reset(); }

    void emptySheetIsWrong()
    {
        click(sheet(), "Command3");
        QCOMPARE(words(), QStringLiteral("ПОДУМАЙ"));
    }

    void sheetVerdict_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("all right") << 0 << "3"
                                   << "ОТЛИЧНО";
        QTest::newRow("Text4 empty counts as 0") << 3 << ""
                                                 << "ОТЛИЧНО";
        QTest::newRow("Text4 one space") << 3 << " "
                                         << "ОТЛИЧНО";
        QTest::newRow("Text4 00") << 3 << "00"
                                  << "ОТЛИЧНО";
        QTest::newRow("Text1 03") << 0 << "03"
                                  << "ОТЛИЧНО";
        QTest::newRow("Text1 3.0") << 0 << "3.0"
                                   << "ОТЛИЧНО";
        QTest::newRow("Text1 3abc") << 0 << "3abc"
                                    << "ОТЛИЧНО";
        QTest::newRow("Text6 &H9") << 5 << "&H9"
                                   << "ОТЛИЧНО";
        QTest::newRow("Text6 9e0") << 5 << "9e0"
                                   << "ОТЛИЧНО";
        for (int i = 0; i < RightSheet.size(); ++i)
            QTest::addRow("Text%d wrong", i + 1) << i << QString::number(RightSheet[i].toInt() + 1) << "ПОДУМАЙ";
        QTest::newRow("Text13 empty") << 12 << ""
                                      << "ПОДУМАЙ";
        QTest::newRow("Text7 6.0000001") << 6 << "6.0000001"
                                         << "ПОДУМАЙ";
        QTest::newRow("Text1 overflows") << 0 << "1e400"
                                         << "ПОДУМАЙ";
        QTest::newRow("Text9 hex beyond 32 bits") << 8 << "&H100000000"
                                                  << "ПОДУМАЙ";
        QTest::newRow("Text13 overflows, last box") << 12 << "-1e999"
                                                    << "ПОДУМАЙ";
    }

    void sheetVerdict()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QStringList answers = RightSheet;
        answers[box] = text;
        fillSheet(answers);
        click(sheet(), "Command3");
        QCOMPARE(words(), expected);
        for (int i = 0; i < answers.size(); ++i)
            QCOMPARE(textOf(sheet(), boxName(i)), answers[i]);
        QVERIFY(sheet().isVisible());
    }

    void wordsAccumulateUntilReset()
    {
        click(sheet(), "Command3");
        fillSheet(RightSheet);
        click(sheet(), "Command3");
        QCOMPARE(words(), QStringLiteral("ОТЛИЧНО"));
        fillSheet(RightSheet);
        widgetOf(sheet(), "Text7")->setProperty("text", "5");
        click(sheet(), "Command3");
        QCOMPARE(words(), QStringLiteral("ПОДУМАЙ"));
        // Both raised together, "ПОДУМАЙ" is the one seen.
        widgetOf(sheet(), "Label1")->show();
        const QImage image = sheet().grab().toImage();
        const QRect word = widgetOf(sheet(), "Label2")->geometry();
        bool navy = false;
        bool red = false;
        for (int y = word.top(); y <= word.bottom(); ++y)
            for (int x = word.left(); x <= word.right(); ++x) {
                navy |= image.pixelColor(x, y) == QColor(0, 0, 128);
                red |= image.pixelColor(x, y) == QColor(255, 0, 0);
            }
        QVERIFY(navy && !red);

        click(sheet(), "Command2");
        QCOMPARE(words(), QString());
        for (int i = 0; i < RightSheet.size(); ++i)
            QCOMPARE(textOf(sheet(), boxName(i)), QStringLiteral(" "));
        click(sheet(), "Command3");
        QCOMPARE(words(), QStringLiteral("ПОДУМАЙ"));
        click(sheet(), "Command2");
        // Typed next to the space the reset left, each digit still reads.
        for (int i = 0; i < RightSheet.size(); ++i)
            type(sheet(), boxName(i), RightSheet[i]);
        click(sheet(), "Command3");
        QCOMPARE(words(), QStringLiteral("ОТЛИЧНО"));
    }

    void stateSurvivesATripToTheMenu()
    {
        fillSheet(RightSheet);
        click(sheet(), "Command3");
        click(sheet(), "Command1");
        click(m_registry->obtain(ScreenKind::Form1), "Command8");
        QCOMPARE(m_registry->existing(ScreenKind::Form6), m_screen);
        QCOMPARE(words(), QStringLiteral("ОТЛИЧНО"));
        QCOMPARE(textOf(sheet(), "Text13"), QStringLiteral("7"));
    }

    void tabOrderThroughTheSheet()
    {
        QTRY_COMPARE(focusName(), QStringLiteral("Command1"));
        QStringList seen;
        for (int i = 0; i < 16; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << focusName();
        }
        QCOMPARE(seen,
            (QStringList {"Text1", "Text2", "Text3", "Text4", "Command2", "Text5", "Text6", "Text7", "Text8", "Text9",
                "Text10", "Text11", "Text12", "Text13", "Command3", "Command1"}));
    }

    // Each answer box, mapped onto the embedded picture, lies inside a white cell whose
    // neighbour in the same row holds a printed digit.
    void boxesLieInBlankCells()
    {
        const QWidget* picture = widgetOf(sheet(), "Image1");
        const QImage image
            = static_cast<const QLabel*>(picture)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 110; };
        const auto white = [&](int x, int y) { return qGray(image.pixel(x, y)) > 235; };
        for (int i = 0; i < RightSheet.size(); ++i) {
            const QRect box = widgetOf(sheet(), boxName(i))->geometry().translated(-picture->pos());
            QVERIFY(image.rect().contains(box));
            // The cell: walk out from the box to the grid lines around it.
            const QPoint c = box.center();
            int left = box.left(), right = box.right(), top = box.top(), bottom = box.bottom();
            while (left > 0 && white(left - 1, c.y()))
                --left;
            while (right < image.width() - 1 && white(right + 1, c.y()))
                ++right;
            while (top > 0 && white(c.x(), top - 1))
                --top;
            while (bottom < image.height() - 1 && white(c.x(), bottom + 1))
                ++bottom;
            const QRect cell(QPoint(left, top), QPoint(right, bottom));
            QVERIFY2(cell.adjusted(2, 2, -2, -2).contains(box), boxName(i));
            QVERIFY2(cell.width() < 100 && cell.height() < 100, boxName(i)); // a cell, not the whole ground
            for (int y = box.top() - 2; y <= box.bottom() + 2; ++y)
                for (int x = box.left() - 2; x <= box.right() + 2; ++x)
                    QVERIFY2(!dark(x, y), boxName(i));
            // Exactly one neighbouring cell of the row holds ink: the printed number.
            const auto inkBetween = [&](int fromX, int toX) {
                int ink = 0;
                for (int x = std::max(fromX, 0); x < std::min(toX, image.width()); ++x)
                    for (int y = top + 8; y < bottom - 8; ++y)
                        ink += dark(x, y);
                return ink > 50;
            };
            const bool neighbourOnRight = inkBetween(right + 8, right + cell.width() - 8);
            const bool neighbourOnLeft = inkBetween(left - cell.width() + 8, left - 8);
            QVERIFY2(neighbourOnRight != neighbourOnLeft, boxName(i));
        }
    }

    void typedDigitFitsTheBox()
    {
        type(sheet(), "Text1", "8");
        QWidget* box = widgetOf(sheet(), "Text1");
        const QImage image = box->grab().toImage();
        // The digit's ink stays clear of the box's top and bottom edges: nothing is cut off.
        int top = image.height(), bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 3; x < image.width() - 3; ++x)
                if (qMax(qMax(qRed(image.pixel(x, y)), qGreen(image.pixel(x, y))), qBlue(image.pixel(x, y))) < 60) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        QVERIFY2(top > 2 && bottom < image.height() - 3, qPrintable(QStringLiteral("%1..%2").arg(top).arg(bottom)));
    }
};

QTEST_MAIN(Form6Test)
#include "Form6Test.moc"
