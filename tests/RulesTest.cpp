// How a typed answer is read and judged, and how each exercise judges its boxes' texts: one
// table per rule, each row an edge a child can reach by typing.
#include "exercises/Judging.h"
#include "exercises/rules/AnswerTests.h"
#include "exercises/rules/TextValue.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

using namespace sostav;

namespace {

using Reading = std::optional<double>; // std::nullopt: beyond the double range
const Reading Overflow = std::nullopt;
const TestOutcome Pass = true, Fail = false, Beyond = std::nullopt;

void readingColumns()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Reading>("expected");
}

void row(const char* name, const QByteArray& text, Reading expected)
{
    QTest::newRow(name) << text << expected;
}

QByteArray shown(Reading r)
{
    return r ? QByteArray::number(*r, 'g', 17) : QByteArrayLiteral("overflow");
}

} // namespace

class RulesTest : public QObject {
    Q_OBJECT

    // Doubles compare exactly: QCOMPARE would forgive a last-bit difference.
    static void verifyReading()
    {
        QFETCH(QByteArray, text);
        QFETCH(Reading, expected);
        const Reading actual = TextValue(text.toStdString());
        QVERIFY2(actual == expected, "read " + shown(actual) + ", expected " + shown(expected));
    }

private slots:
    void reading_data()
    {
        readingColumns();
        row("empty", "", 0);
        row("blanks between digits", "2 4\t5\n7", 2457);
        row("blanks before and after the sign and around the point", "\t- 3\n. 2 5", -3.25);
        row("carriage return is no blank", "1\r2", 1);
        row("plus", "+3", 3);
        row("point first", ".5", 0.5);
        row("point last", "7.", 7);
        row("second point stops", "1.2.3", 1.2);
        row("comma stops", "3,9", 3);
        row("sign after the number", "3-", 3);
        row("two signs", "+-5", 0);
        row("letters first", "x5", 0);
        row("words between numbers", "24 and 57", 24);
        row("e exponent", "1e1", 10);
        row("D exponent with a fraction", "2.5D3", 2500);
        row("negative exponent", "1E-2", 0.01);
        row("exponent letter without digits", "1e", 1);
        row("second exponent stops", "1e2e3", 100);
        row("exponent before any digit", "e5", 0);
        row("NUL byte stops", QByteArray("1") + '\0' + '2', 1);
    }
    void reading() { verifyReading(); }

    void radixForms_data()
    {
        readingColumns();
        row("hex", "&h1E", 30);
        row("blanks inside the prefix", "& H F", 15);
        row("16 bits all set", "&HFFFF", -1);
        row("16-bit sign bit", "&H8000", -32768);
        row("17 bits stay positive", "&H10000", 65536);
        row("leading zeros keep 16 bits", "&H0000FFFF", -1);
        row("32-bit sign bit", "&H80000000", -2147483648.0);
        row("33 bits", "&H100000000", Overflow);
        row("octal", "&o17", 15);
        row("32-bit octal all set", "&O37777777777", -1);
        row("8 is no octal digit", "&O78", 7);
        row("sign before the prefix", "-&H5", 0);
        row("prefix without digits", "&HG", 0);
        row("unknown prefix", "&B1", 0);
        row("ampersand then digits", "&17", 0);
    }
    void radixForms() { verifyReading(); }

    // One exact decimal rounded once; too small is 0, too large overflows.
    void rangeAndRounding_data()
    {
        readingColumns();
        const QByteArray tie = "1.00000000000000011102230246251565404236316680908203125";
        row("beyond 64-bit integers", "123456789012345678901234567890", 123456789012345678901234567890.0);
        row("tie rounds to even", "9007199254740993", 9007199254740992.0);
        row("tie broken a thousand digits later", tie + QByteArray(1000, '0') + "1", std::nextafter(1.0, 2.0));
        row("largest double", "1.7976931348623157e308", DBL_MAX);
        row("halfway past the largest", "1.797693134862315808e308", Overflow);
        row("just above half the smallest subnormal", "2.4703282292062328e-324", DBL_TRUE_MIN);
        row("below the range", "1e-400", 0);
        row("negative past the range", "-1e400", Overflow);
        row("exponent beyond 64 bits", "1e18446744073709551617", Overflow);
        row("negative exponent beyond 64 bits", "1e-18446744073709551617", 0);
        row("just below half the smallest subnormal", "2.4703282292062327e-324", 0);
        row("zeros after the point, shifted back", "0." + QByteArray(1000, '0') + "1e1001", 1);
        row("a million digits", QByteArray(1'000'000, '3') + "e-999999", 3.3333333333333335);
        row("a million exponent digits on zero", "0e" + QByteArray(1'000'000, '9'), 0);
    }
    void rangeAndRounding() { verifyReading(); }

    void sumTest_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<double>("target");
        QTest::addColumn<TestOutcome>("outcome");
        QTest::newRow("4 and 5 make 9") << QByteArray("4") << QByteArray("5") << 9.0 << Pass;
        QTest::newRow("8 and an empty box make 8") << QByteArray("8") << QByteArray() << 8.0 << Pass;
        QTest::newRow("tenths add up exactly") << QByteArray("0.3") << QByteArray("9.7") << 10.0 << Pass;
        QTest::newRow("4 and 4 are not 9") << QByteArray("4") << QByteArray("4") << 9.0 << Fail;
        QTest::newRow("nearly 10 is not rounded") << QByteArray("9.999999") << QByteArray("0") << 10.0 << Fail;
        QTest::newRow("large values cancel") << QByteArray("1e308") << QByteArray("-1e308") << 0.0 << Pass;
        QTest::newRow("sum past the range") << QByteArray("1e308") << QByteArray("1e308") << 9.0 << Beyond;
        QTest::newRow("first past the range") << QByteArray("1e400") << QByteArray("0") << 9.0 << Beyond;
        QTest::newRow("second past the range") << QByteArray("0") << QByteArray("&H100000000") << 9.0 << Beyond;
    }

    // An overflow is no right answer to a composition, whose judge reads the second box first.
    void sumTest()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(double, target);
        QFETCH(TestOutcome, outcome);
        QCOMPARE(sumOutcome(first.toStdString(), second.toStdString(), target), outcome);
        const std::string boxes[] = {second.toStdString(), first.toStdString()};
        QCOMPARE(judgeComposition(target, boxes), outcome == Pass);
        QVERIFY(!judgeComposition(target, std::span(boxes).first(1))); // one box is no pair
    }

    void valueTest_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<double>("expected");
        QTest::addColumn<TestOutcome>("outcome");
        QTest::newRow("a reset's space is 0") << QByteArray(" ") << 0.0 << Pass;
        QTest::newRow("1 is not 0") << QByteArray("1") << 0.0 << Fail;
        QTest::newRow("nearly 7 is not rounded") << QByteArray("6.9999") << 7.0 << Fail;
        QTest::newRow("past the range") << QByteArray("1e400") << 0.0 << Beyond;
    }

    void valueTest()
    {
        QFETCH(QByteArray, box);
        QFETCH(double, expected);
        QFETCH(TestOutcome, outcome);
        QCOMPARE(valueOutcome(box.toStdString(), expected), outcome);
        QCOMPARE(sostav::valueTest(box.toStdString(), expected), outcome == Pass);
    }

    // The worksheet's judge: its thirteen texts in slot order, each the part its row misses.
    // One wrong box, wherever, makes the sheet wrong, and so does a box short.
    void worksheet()
    {
        std::vector<std::string> answers {"3", "1", "2", "0", "7", "9", "6", "8", "5", "8", "6", "5", "7"};
        QVERIFY(judgeWorksheet(answers));
        for (std::string& answer : answers) {
            const std::string right = std::exchange(answer, "4.5");
            QVERIFY2(!judgeWorksheet(answers), right.c_str());
            answer = right;
        }
        QVERIFY(!judgeWorksheet(std::span(answers).first(12)));
    }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "RulesTest.moc"
