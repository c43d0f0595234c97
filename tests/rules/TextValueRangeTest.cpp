// How answer texts become doubles at the edges: correct rounding, numbers too small or
// too large for a double, and very long texts.
#include "ValueCheck.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace sostav::test;
using sostav::TextValue;

class TextValueRangeTest : public QObject {
    Q_OBJECT

private slots:
    void correctRounding_data();
    void correctRounding();
    void underflow_data();
    void underflow();
    void overflow_data();
    void overflow();
    void longTexts_data();
    void longTexts();
    void millionCharacters_data();
    void millionCharacters();
};

void TextValueRangeTest::correctRounding_data()
{
    AddValueColumns();
    // Each text is read as one exact decimal and rounded once, never digit by digit.
    AddValueRow("one tenth", "0.1", 0.1);
    AddValueRow("seven hundredths", "0.07", 0.07);
    AddValueRow("seven point nine three", "7.93", 7.93);
    AddValueRow("beyond 64-bit integers", "123456789012345678901234567890", 123456789012345678901234567890.0);
    AddValueRow("tie rounds to even below", "9007199254740993", 9007199254740992.0);
    AddValueRow("tie broken by a late digit", "9007199254740993.00000000000000000000001", 9007199254740994.0);
    const QByteArray tie = "1.00000000000000011102230246251565404236316680908203125";
    AddValueRow("exact tie above one", tie, 1.0);
    AddValueRow("tie broken a thousand digits later", tie + QByteArray(1000, '0') + "1", std::nextafter(1.0, 2.0));
    AddValueRow("largest double", "1.7976931348623157e308", DBL_MAX);
    AddValueRow("just below the halfway past the largest", "1.7976931348623158079e308", DBL_MAX);
    AddValueRow("smallest normal", "2.2250738585072014e-308", DBL_MIN);
    AddValueRow("hard case below the smallest normal", "2.2250738585072011e-308", 2.2250738585072011e-308);
}

void TextValueRangeTest::correctRounding()
{
    VerifyValueRow();
}

void TextValueRangeTest::underflow_data()
{
    AddValueColumns();
    const double smallest = std::numeric_limits<double>::denorm_min();
    AddValueRow("far below the range", "1e-400", 0);
    AddValueRow("far below the range, negative", "-1e-400", 0);
    AddValueRow("huge negative exponent", "1e-99999999999999999", 0);
    AddValueRow("subnormal", "1e-320", 1e-320);
    AddValueRow("smallest subnormal", "4.9406564584124654e-324", smallest);
    AddValueRow("just above half the smallest subnormal", "2.4703282292062328e-324", smallest);
    AddValueRow("just below half the smallest subnormal", "2.4703282292062327e-324", 0);
}

void TextValueRangeTest::underflow()
{
    VerifyValueRow();
}

void TextValueRangeTest::longTexts_data()
{
    AddValueColumns();
    AddValueRow("a million blanks before the digit", QByteArray(1'000'000, ' ') + "7", 7);
    AddValueRow("a million letters after the digit", "7" + QByteArray(1'000'000, 'x'), 7);
    AddValueRow("a blank after every digit", "1" + QByteArray(" 0").repeated(300'000) + "e-300000", 1);
    AddValueRow("a thousand leading zeros", QByteArray(1000, '0') + "1", 1);
    AddValueRow("a thousand zeros after the point, shifted back", "0." + QByteArray(1000, '0') + "1e1001", 1);
    AddValueRow("a thousand zeros before the point, shifted back", "1" + QByteArray(1000, '0') + "e-1000", 1);
    AddValueRow("a thousand nines after the point", "0." + QByteArray(1000, '9'), 1);
    AddValueRow("a million zeros after the hex prefix", "&H" + QByteArray(1'000'000, '0') + "1", 1);
    AddValueRow("a million exponent digits on zero", "0e" + QByteArray(1'000'000, '9'), 0);
}

void TextValueRangeTest::longTexts()
{
    VerifyValueRow();
}

void TextValueRangeTest::overflow_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("just past the range") << QByteArray("1e309");
    QTest::newRow("halfway past the largest double") << QByteArray("1.797693134862315808e308");
    QTest::newRow("negative past the range") << QByteArray("-1e400");
    QTest::newRow("huge exponent") << QByteArray("1e999999999999999999");
    QTest::newRow("four hundred digits") << "1" + QByteArray(400, '0');
    QTest::newRow("three hundred and nine nines") << QByteArray(309, '9');
    QTest::newRow("fraction zeros not enough to come back") << "0." + QByteArray(1000, '0') + "1e1310";
    QTest::newRow("33 hex bits") << QByteArray("&H100000000");
    QTest::newRow("36 hex bits") << QByteArray("&HFFFFFFFFF");
    QTest::newRow("33 octal bits") << QByteArray("&O40000000000");
    QTest::newRow("hex overflow before other text") << QByteArray("&H123456789xyz");
}

void TextValueRangeTest::overflow()
{
    QFETCH(QByteArray, text);
    const std::optional<double> actual = TextValue(View(text));
    QVERIFY2(!actual.has_value(), ("read " + Describe(actual)).constData());
}

void TextValueRangeTest::millionCharacters_data()
{
    AddValueColumns();
    AddValueRow("digits", QByteArray(1'000'000, '3') + "e-999999", 3.3333333333333335);
    AddValueRow("blanks", QByteArray(1'000'000, ' '), 0);
    AddValueRow("digits and blanks", QByteArray("1 \t\n").repeated(250'000) + "e-250000", 0.1111111111111111);
    AddValueRow("letters", QByteArray(1'000'000, 'a'), 0);
}

// A benchmark, not a timed test: reading must stay linear in the length of the text.
void TextValueRangeTest::millionCharacters()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    std::optional<double> value;
    QBENCHMARK
    {
        value = TextValue(View(text));
    }
    QVERIFY(value.has_value());
    QCOMPARE(*value == expected, true);
}

QTEST_APPLESS_MAIN(TextValueRangeTest)

#include "TextValueRangeTest.moc"
