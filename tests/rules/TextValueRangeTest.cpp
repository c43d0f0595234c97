// How answer texts become doubles at the edges: one correct rounding, numbers too small
// or too large for a double, and very long texts.
#include "ValueCheck.h"

#include <cfloat>
#include <cmath>

using namespace sostav::test;

class TextValueRangeTest : public QObject {
    Q_OBJECT

private slots:
    // Each text is read as one exact decimal and rounded once, never digit by digit.
    void rounding_data()
    {
        AddReadingColumns();
        const QByteArray tie = "1.00000000000000011102230246251565404236316680908203125";
        Row("beyond 64-bit integers", "123456789012345678901234567890", 123456789012345678901234567890.0);
        Row("tie rounds to even", "9007199254740993", 9007199254740992.0);
        Row("tie broken by a late digit", "9007199254740993.00000000000000000000001", 9007199254740994.0);
        Row("exact tie above one", tie, 1.0);
        Row("tie broken a thousand digits later", tie + QByteArray(1000, '0') + "1", std::nextafter(1.0, 2.0));
        Row("a thousand nines after the point", "0." + QByteArray(1000, '9'), 1);
        Row("largest double", "1.7976931348623157e308", DBL_MAX);
        Row("just below halfway past the largest", "1.7976931348623158079e308", DBL_MAX);
        Row("hard case below the smallest normal", "2.2250738585072011e-308", 2.2250738585072011e-308);
    }
    void rounding() { VerifyReading(); }

    // Too small a number is 0; too large a one overflows, whatever the sign.
    void range_data()
    {
        AddReadingColumns();
        Row("below the range", "1e-400", 0);
        Row("clamped negative exponent", "1e-99999999999999999", 0);
        Row("just above half the smallest subnormal", "2.4703282292062328e-324", DBL_TRUE_MIN);
        Row("just below half the smallest subnormal", "2.4703282292062327e-324", 0);
        Row("just past the range", "1e309", Overflow);
        Row("halfway past the largest", "1.797693134862315808e308", Overflow);
        Row("negative past the range", "-1e400", Overflow);
        Row("clamped exponent", "1e999999999999999999", Overflow);
        Row("four hundred digits", "1" + QByteArray(400, '0'), Overflow);
        Row("nines rounding up past the range", QByteArray(309, '9'), Overflow);
        Row("fraction zeros not enough to come back", "0." + QByteArray(1000, '0') + "1e1310", Overflow);
        Row("33 hex bits", "&H100000000", Overflow);
        Row("33 octal bits", "&O40000000000", Overflow);
    }
    void range() { VerifyReading(); }

    // No timing here: the texts only show that length alone changes no reading.
    void longTexts_data()
    {
        AddReadingColumns();
        Row("a million digits", QByteArray(1'000'000, '3') + "e-999999", 3.3333333333333335);
        Row("a million blanks, then a digit", QByteArray(1'000'000, ' ') + "7", 7);
        Row("a digit, then a million letters", "7" + QByteArray(1'000'000, 'x'), 7);
        Row("a blank after every digit", QByteArray("1 \t\n").repeated(250'000) + "e-250000", 0.1111111111111111);
        Row("zeros after the point, shifted back", "0." + QByteArray(1000, '0') + "1e1001", 1);
        Row("zeros before the point, shifted back", "1" + QByteArray(1000, '0') + "e-1000", 1);
        Row("a million zeros after the hex prefix", "&H" + QByteArray(1'000'000, '0') + "1", 1);
        Row("a million exponent digits on zero", "0e" + QByteArray(1'000'000, '9'), 0);
    }
    void longTexts() { VerifyReading(); }
};

QTEST_APPLESS_MAIN(TextValueRangeTest)
#include "TextValueRangeTest.moc"
