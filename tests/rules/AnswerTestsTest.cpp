// The sum test and the value test that every exercise screen's check relies on.
#include "ValueCheck.h"

#include "exercises/rules/AnswerTests.h"

using namespace sostav;

namespace {

const TestOutcome Pass = true, Fail = false, Beyond = std::nullopt;

QByteArray Verdict(TestOutcome outcome)
{
    return !outcome ? "overflow" : *outcome ? "pass" : "fail";
}

void SumRow(const char* name, const char* first, const char* second, double target, TestOutcome outcome)
{
    QTest::newRow(name) << QString(first) << QString(second) << target << outcome;
}

} // namespace

class AnswerTestsTest : public QObject {
    Q_OBJECT

private slots:
    void sumTest_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<double>("target");
        QTest::addColumn<TestOutcome>("outcome");
        SumRow("8: four and four", "4", "4", 8, Pass);
        SumRow("8: eight and an empty box", "8", "", 8, Pass);
        SumRow("8: hundredths that add up exactly", "0.07", "7.93", 8, Pass);
        SumRow("8: the boxes as a reset leaves them", " ", " ", 8, Fail);
        SumRow("8: three and four", "3", "4", 8, Fail);
        SumRow("8: nearly eight is not rounded", "7.999", "0", 8, Fail);
        SumRow("9: an empty box and nine", "", "9", 9, Pass);
        SumRow("9: blanks join digits", "4 5", "", 9, Fail);
        SumRow("9: large values that cancel", "1e308", "-1e308", 9, Fail);
        SumRow("9: sum past the range", "1e308", "1e308", 9, Beyond);
        SumRow("9: first value past the range", "1e400", "0", 9, Beyond);
        SumRow("9: second value past the range", "0", "&H100000000", 9, Beyond);
        SumRow("10: five and five", "5", "5", 10, Pass);
        SumRow("10: nearly ten is not rounded", "9.999999999999", "0", 10, Fail);
        SumRow("10: negative sum past the range", "-1.7976931348623157e308", "-1e308", 10, Beyond);
    }

    // An overflow is simply no right answer to the screens.
    void sumTest()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(double, target);
        QFETCH(TestOutcome, outcome);
        QCOMPARE(Verdict(sumOutcome(first.toStdString(), second.toStdString(), target)), Verdict(outcome));
        QCOMPARE(sostav::sumTest(first.toStdString(), second.toStdString(), target), outcome == Pass);
    }

    void valueTest_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<double>("expected");
        QTest::addColumn<TestOutcome>("outcome");
        QTest::newRow("0: empty box") << "" << 0.0 << Pass;
        QTest::newRow("0: the box as a reset leaves it") << " " << 0.0 << Pass;
        QTest::newRow("0: letters") << "abc" << 0.0 << Pass;
        QTest::newRow("0: one") << "1" << 0.0 << Fail;
        QTest::newRow("0: past the range") << "1e400" << 0.0 << Beyond;
        QTest::newRow("7: comma cuts the fraction") << "7,5" << 7.0 << Pass;
        QTest::newRow("7: nearly seven is not rounded") << "6.9999" << 7.0 << Fail;
        QTest::newRow("7: empty box") << "" << 7.0 << Fail;
    }

    void valueTest()
    {
        QFETCH(QString, box);
        QFETCH(double, expected);
        QFETCH(TestOutcome, outcome);
        QCOMPARE(Verdict(valueOutcome(box.toStdString(), expected)), Verdict(outcome));
        QCOMPARE(sostav::valueTest(box.toStdString(), expected), outcome == Pass);
    }
};

QTEST_APPLESS_MAIN(AnswerTestsTest)
#include "AnswerTestsTest.moc"
