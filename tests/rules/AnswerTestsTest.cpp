// The sum test and the value test that every exercise screen's check relies on.
#include "ValueCheck.h"

#include "exercises/rules/AnswerTests.h"

#include <QTest>

using namespace sostav;
using namespace sostav::test;

namespace {

enum class Outcome { Pass, Fail, Overflow };

QByteArray DescribeOutcome(TestOutcome outcome)
{
    if (!outcome)
        return "overflow";
    return *outcome ? "pass" : "fail";
}

TestOutcome Expected(Outcome outcome)
{
    if (outcome == Outcome::Overflow)
        return std::nullopt;
    return outcome == Outcome::Pass;
}

void AddSumRow(const char* name, const QByteArray& first, const QByteArray& second, double target, Outcome outcome)
{
    QTest::newRow(name) << first << second << target << outcome;
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class AnswerTestsTest : public QObject {
    Q_OBJECT

private slots:
    void sumTest_data();
    void sumTest();
    void valueTest_data();
    void valueTest();
};

void AnswerTestsTest::sumTest_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<double>("target");
    QTest::addColumn<Outcome>("outcome");
    using enum Outcome;

    AddSumRow("8: four and four", "4", "4", 8, Pass);
    AddSumRow("8: eight and an empty box", "8", "", 8, Pass);
    AddSumRow("8: the boxes as a reset leaves them", " ", " ", 8, Fail);
    AddSumRow("8: tenths that add up exactly", "0.1", "7.9", 8, Pass);
    AddSumRow("8: hundredths that add up exactly", "0.07", "7.93", 8, Pass);
    AddSumRow("8: octal eight", "&O10", "", 8, Pass);
    AddSumRow("8: exponents", "4e0", "0.4D1", 8, Pass);
    AddSumRow("8: three and four", "3", "4", 8, Fail);
    AddSumRow("8: nearly eight is not rounded", "7.999", "0", 8, Fail);

    AddSumRow("9: four and five", "4", "5", 9, Pass);
    AddSumRow("9: five and four", "5", "4", 9, Pass);
    AddSumRow("9: halves", "4.5", "4.5", 9, Pass);
    AddSumRow("9: nine and an empty box", "9", "", 9, Pass);
    AddSumRow("9: an empty box and nine", "", "9", 9, Pass);
    AddSumRow("9: ten and minus one", "10", "-1", 9, Pass);
    AddSumRow("9: minus one and ten", "-1", "10", 9, Pass);
    AddSumRow("9: hex five and four", "&H5", "4", 9, Pass);
    AddSumRow("9: four and four", "4", "4", 9, Fail);
    AddSumRow("9: commas cut the numbers short", "4,5", "4,5", 9, Fail);
    AddSumRow("9: blanks join digits", "4 5", "", 9, Fail);
    AddSumRow("9: large values that cancel", "1e308", "-1e308", 9, Fail);
    AddSumRow("9: sum past the range", "1e308", "1e308", 9, Overflow);
    AddSumRow("9: first value past the range", "1e400", "0", 9, Overflow);
    AddSumRow("9: second value past the range", "0", "1e400", 9, Overflow);
    AddSumRow("9: hex value past 32 bits", "&H100000000", "", 9, Overflow);

    AddSumRow("10: five and five", "5", "5", 10, Pass);
    AddSumRow("10: tenths that add up exactly", "0.3", "9.7", 10, Pass);
    AddSumRow("10: hex ten", "&HA", "0", 10, Pass);
    AddSumRow("10: eleven and minus one", "11", "-1", 10, Pass);
    AddSumRow("10: nearly ten is not rounded", "9.999999999999", "0", 10, Fail);
    AddSumRow("10: tenths that miss", "9.5", "0.4", 10, Fail);
    AddSumRow("10: words", "five", "five", 10, Fail);
    AddSumRow("10: negative sum past the range", "-1.7976931348623157e308", "-1e308", 10, Overflow);
}

void AnswerTestsTest::sumTest()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(double, target);
    QFETCH(Outcome, outcome);

    const TestOutcome actual = SumOutcome(View(first), View(second), target);
    QCOMPARE(DescribeOutcome(actual), DescribeOutcome(Expected(outcome)));
    QCOMPARE(SumTest(View(first), View(second), target), outcome == Outcome::Pass);
}

void AnswerTestsTest::valueTest_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<double>("expected");
    QTest::addColumn<Outcome>("outcome");
    using enum Outcome;

    QTest::newRow("0: empty box") << QByteArray("") << 0.0 << Pass;
    QTest::newRow("0: the box as a reset leaves it") << QByteArray(" ") << 0.0 << Pass;
    QTest::newRow("0: zero") << QByteArray("0") << 0.0 << Pass;
    QTest::newRow("0: minus zero") << QByteArray("-0") << 0.0 << Pass;
    QTest::newRow("0: letters") << QByteArray("abc") << 0.0 << Pass;
    QTest::newRow("0: one") << QByteArray("1") << 0.0 << Fail;
    QTest::newRow("0: past the range") << QByteArray("1e400") << 0.0 << Overflow;
    QTest::newRow("7: seven") << QByteArray("7") << 7.0 << Pass;
    QTest::newRow("7: seven between blanks") << QByteArray(" 7 ") << 7.0 << Pass;
    QTest::newRow("7: seven with a zero fraction") << QByteArray("7.0") << 7.0 << Pass;
    QTest::newRow("7: comma cuts the fraction") << QByteArray("7,5") << 7.0 << Pass;
    QTest::newRow("7: hex seven") << QByteArray("&H7") << 7.0 << Pass;
    QTest::newRow("7: nearly seven is not rounded") << QByteArray("6.9999") << 7.0 << Fail;
    QTest::newRow("7: empty box") << QByteArray("") << 7.0 << Fail;
    QTest::newRow("7: hex value past 32 bits") << QByteArray("&H100000000") << 7.0 << Overflow;
}

void AnswerTestsTest::valueTest()
{
    QFETCH(QByteArray, box);
    QFETCH(double, expected);
    QFETCH(Outcome, outcome);

    QCOMPARE(DescribeOutcome(ValueOutcome(View(box), expected)), DescribeOutcome(Expected(outcome)));
    QCOMPARE(ValueTest(View(box), expected), outcome == Outcome::Pass);
}

QTEST_APPLESS_MAIN(AnswerTestsTest)

#include "AnswerTestsTest.moc"
