#include "TestSupport.h"

#include <QSignalSpy>

#include <memory>

using namespace sostav;
using namespace sostav::test;

// The composition of 10, driven as a child drives it: from the menu, by mouse and keyboard.
class Form3Test : public QObject {
    Q_OBJECT

    std::unique_ptr<ScreenRegistry> m_registry;
    Screen* m_screen = nullptr;

    Screen& screen() { return *m_screen; }
    QString words() // which verdict words are on display
    {
        return QStringLiteral("%1%2")
            .arg(shown(screen(), "Label4") ? "МОЛОДЕЦ " : "", shown(screen(), "Label5") ? "ПОДУМАЙ" : "")
            .trimmed();
    }
    void answerAndCheck(const QString& first, const QString& second)
    {
        fill(screen(), "Text1", first);
        fill(screen(), "Text2", second);
        click(screen(), "Command2");
    }

private slots:
    void initTestCase() { muteOffscreenRaise(); }
    void init()
    {
        m_registry = std::make_unique<ScreenRegistry>(allScreens());
        m_registry->start();
        click(m_registry->obtain(ScreenKind::Form1), "Command6");
        m_screen = m_registry->existing(ScreenKind::Form3);
        QVERIFY(m_screen && m_screen->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(m_screen));
    }
    void cleanup() { m_registry.reset(); }

    void firstShow()
    {
        QCOMPARE(words(), QString());
        QCOMPARE(textOf(screen(), "Text1"), QString());
        QCOMPARE(textOf(screen(), "Text2"), QString());
        QTRY_COMPARE(focusName(), QStringLiteral("Command1"));
        QVERIFY(shown(screen(), "Image1"));
        // Enter right away goes back: the back button holds the focus.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!screen().isVisible());
        QVERIFY(m_registry->existing(ScreenKind::Form1)->isVisible());
    }

    void verdict_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("expected");
        QTest::newRow("3 + 7") << "3"
                               << "7"
                               << "МОЛОДЕЦ";
        QTest::newRow("7 + 3") << "7"
                               << "3"
                               << "МОЛОДЕЦ";
        QTest::newRow("10 + empty") << "10"
                                    << ""
                                    << "МОЛОДЕЦ";
        QTest::newRow("0 + 10") << "0"
                                << "10"
                                << "МОЛОДЕЦ";
        QTest::newRow("5.5 + 4.5") << "5.5"
                                   << "4.5"
                                   << "МОЛОДЕЦ";
        QTest::newRow("0.3 + 9.7, exact in doubles") << "0.3"
                                                     << "9.7"
                                                     << "МОЛОДЕЦ";
        QTest::newRow("12 + -2") << "12"
                                 << "-2"
                                 << "МОЛОДЕЦ";
        QTest::newRow("spaced digits 1 0") << "1 0"
                                           << " "
                                           << "МОЛОДЕЦ";
        QTest::newRow("&HA + 0") << "&HA"
                                 << "0"
                                 << "МОЛОДЕЦ";
        QTest::newRow("empty boxes") << ""
                                     << ""
                                     << "ПОДУМАЙ";
        QTest::newRow("5 + 6") << "5"
                               << "6"
                               << "ПОДУМАЙ";
        QTest::newRow("1 + 0") << "1"
                               << "0"
                               << "ПОДУМАЙ";
        QTest::newRow("ten + 0") << "ten"
                                 << "0"
                                 << "ПОДУМАЙ";
        QTest::newRow("9.99 + 0, no rounding") << "9.99"
                                               << "0"
                                               << "ПОДУМАЙ";
        QTest::newRow("sum overflows") << "1e308"
                                       << "1e308"
                                       << "ПОДУМАЙ";
        QTest::newRow("one value overflows") << "1e400"
                                             << "0"
                                             << "ПОДУМАЙ";
        QTest::newRow("hex beyond 32 bits") << "&H100000000"
                                            << "10"
                                            << "ПОДУМАЙ";
    }

    void verdict()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, expected);
        QSignalSpy ended(m_registry.get(), &ScreenRegistry::programEnded);
        answerAndCheck(first, second);
        QCOMPARE(words(), expected);
        // The check leaves the boxes alone, and nothing typed ends the program.
        QCOMPARE(textOf(screen(), "Text1"), first);
        QCOMPARE(textOf(screen(), "Text2"), second);
        QVERIFY(screen().isVisible());
        QCOMPARE(ended.count(), 0);
    }

    void wordsAccumulateUntilReset_data()
    {
        QTest::addColumn<QString>("firstPair");
        QTest::addColumn<QString>("secondPair");
        QTest::addColumn<QString>("expected");
        QTest::newRow("wrong then right") << "5,6"
                                          << "3,7"
                                          << "МОЛОДЕЦ";
        QTest::newRow("right then wrong") << "3,7"
                                          << "5,6"
                                          << "ПОДУМАЙ";
        QTest::newRow("overflow then right") << "1e400,0"
                                             << "3,7"
                                             << "МОЛОДЕЦ";
        QTest::newRow("right twice") << "3,7"
                                     << "3,7"
                                     << "МОЛОДЕЦ";
        QTest::newRow("wrong twice") << "1,1"
                                     << "1,1"
                                     << "ПОДУМАЙ";
    }

    void wordsAccumulateUntilReset()
    {
        QFETCH(QString, firstPair);
        QFETCH(QString, secondPair);
        QFETCH(QString, expected);
        answerAndCheck(firstPair.section(',', 0, 0), firstPair.section(',', 1));
        answerAndCheck(secondPair.section(',', 0, 0), secondPair.section(',', 1));
        QCOMPARE(words(), expected);

        click(screen(), "Command3");
        QCOMPARE(words(), QString());
        QCOMPARE(textOf(screen(), "Text1"), QString());
        QCOMPARE(textOf(screen(), "Text2"), QString());
        // After the reset the first key typed is the whole text.
        type(screen(), "Text1", "4");
        QCOMPARE(textOf(screen(), "Text1"), QStringLiteral("4"));
    }

    void stateSurvivesATripToTheMenu()
    {
        type(screen(), "Text1", "4");
        type(screen(), "Text2", "5");
        click(screen(), "Command2");
        QTest::keyClick(boxOf(screen(), "Text2"), Qt::Key_Backspace); // the focus was in Text2
        QTest::keyClick(boxOf(screen(), "Text2"), Qt::Key_6);
        click(screen(), "Command2");
        Screen* form = m_screen;
        click(screen(), "Command1");
        click(m_registry->obtain(ScreenKind::Form1), "Command6");
        QCOMPARE(m_registry->existing(ScreenKind::Form3), form);
        QVERIFY(form->isVisible());
        QCOMPARE(textOf(*form, "Text1"), QStringLiteral("4"));
        QCOMPARE(textOf(*form, "Text2"), QStringLiteral("6"));
        QCOMPARE(words(), QStringLiteral("МОЛОДЕЦ"));
    }

    void longTextIsKeptWhole()
    {
        // Far beyond Qt's usual cap of 32767 characters: nothing typed or pasted is cut off.
        const QString text = QString(100000, QLatin1Char(' ')) + QStringLiteral("3");
        answerAndCheck(text, "7");
        QCOMPARE(textOf(screen(), "Text1").size(), text.size());
        QCOMPARE(words(), QStringLiteral("МОЛОДЕЦ"));
    }

    void renderedBothWords()
    {
        answerAndCheck("4", "6");
        widgetOf(screen(), "Label5")->show();
        // Each word stands in its own box above its answer box, in its own colour.
        const QImage image = screen().grab().toImage();
        const auto inks = [&](QRect box, QColor ink) {
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    if (image.pixelColor(x, y) == ink)
                        return true;
            return false;
        };
        QVERIFY(inks(widgetOf(screen(), "Label4")->geometry(), QColor(255, 0, 0)));
        QVERIFY(inks(widgetOf(screen(), "Label5")->geometry(), QColor(0, 0, 192)));
        QVERIFY(!inks(widgetOf(screen(), "Label4")->geometry(), QColor(0, 0, 192)));
    }
};

QTEST_MAIN(Form3Test)
#include "Form3Test.moc"
