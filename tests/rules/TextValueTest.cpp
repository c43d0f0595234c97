// How answer texts are read: blanks, signs, points, exponents, hexadecimal and octal
// forms, and where reading stops.
#include "ValueCheck.h"

#include <QTest>

using namespace sostav::test;

class TextValueTest : public QObject {
    Q_OBJECT

private slots:
    void blanks_data();
    void blanks();
    void signsAndPoints_data();
    void signsAndPoints();
    void exponents_data();
    void exponents();
    void hexAndOctal_data();
    void hexAndOctal();
    void stopping_data();
    void stopping();
    void noDigits_data();
    void noDigits();
};

void TextValueTest::blanks_data()
{
    AddValueColumns();
    AddValueRow("spaces between digits", "2 45 7", 2457);
    AddValueRow("leading space", " 16 15", 1615);
    AddValueRow("spaces around", "  7  ", 7);
    AddValueRow("zero before a space", "0 7", 7);
    AddValueRow("space before a zero", "1 0", 10);
    AddValueRow("tab between digits", "1\t2", 12);
    AddValueRow("line feed between digits", "1\n2", 12);
    AddValueRow("space after the sign", "- 5", -5);
    AddValueRow("spaces around the point", "3 . 2 5", 3.25);
    AddValueRow("spaces inside the exponent", "1 e - 2", 0.01);
    AddValueRow("spaces inside the hex prefix", "& H F F", 255);
    AddValueRow("carriage return is no blank", "1\r2", 1);
    AddValueRow("vertical tab is no blank", "1\v2", 1);
    AddValueRow("form feed is no blank", "1\f2", 1);
    AddValueRow("no-break space is no blank",
        "1\xC2\xA0"
        "2",
        1);
    AddValueRow("no-break space before the digits",
        "\xC2\xA0"
        "7",
        0);
}

void TextValueTest::blanks()
{
    VerifyValueRow();
}

void TextValueTest::signsAndPoints_data()
{
    AddValueColumns();
    AddValueRow("point at the end", "7.", 7);
    AddValueRow("point at the start", ".5", 0.5);
    AddValueRow("plus sign", "+3", 3);
    AddValueRow("minus sign", "-3", -3);
    AddValueRow("minus sign before a point", "-.25", -0.25);
    AddValueRow("sign after the number", "3-", 3);
    AddValueRow("two minus signs", "--5", 0);
    AddValueRow("plus then minus", "+-5", 0);
    AddValueRow("minus zero", "-0", 0);
    AddValueRow("leading zeros", "007", 7);
    AddValueRow("trailing zeros after the point", "12.500", 12.5);
    AddValueRow("point then exponent", "1.e2", 100);
    AddValueRow("second point", "1.2.3", 1.2);
    AddValueRow("sign before the hex prefix", "-&H5", 0);
}

void TextValueTest::signsAndPoints()
{
    VerifyValueRow();
}

void TextValueTest::exponents_data()
{
    AddValueColumns();
    AddValueRow("lower-case e", "1e1", 10);
    AddValueRow("upper-case E", "1E1", 10);
    AddValueRow("upper-case D", "1D1", 10);
    AddValueRow("lower-case d", "1d1", 10);
    AddValueRow("plus sign", "1e+2", 100);
    AddValueRow("minus sign", "1e-2", 0.01);
    AddValueRow("fraction and exponent", "2.5e3", 2500);
    AddValueRow("exponent brings a fraction back", "0.000001e6", 1);
    AddValueRow("letter without digits", "1e", 1);
    AddValueRow("letter and plus without digits", "1e+", 1);
    AddValueRow("letter and minus without digits", "1D-", 1);
    AddValueRow("many leading zeros", "1e000000000000000000000000002", 100);
    AddValueRow("second exponent", "1e2e3", 100);
    AddValueRow("point inside the exponent", "1e2.5", 100);
    AddValueRow("huge exponent on zero", "0e999999999999", 0);
    AddValueRow("huge exponent on a zero fraction", "0.000e999999999999999999999", 0);
}

void TextValueTest::exponents()
{
    VerifyValueRow();
}

void TextValueTest::hexAndOctal_data()
{
    AddValueColumns();
    AddValueRow("hex digit", "&H9", 9);
    AddValueRow("lower-case prefix and digits", "&hff", 255);
    AddValueRow("16 bits all set", "&HFFFF", -1);
    AddValueRow("16-bit sign bit", "&H8000", -32768);
    AddValueRow("largest positive 16-bit", "&H7FFF", 32767);
    AddValueRow("17 bits", "&H10000", 65536);
    AddValueRow("largest positive 32-bit", "&H7FFFFFFF", 2147483647);
    AddValueRow("32-bit sign bit", "&H80000000", -2147483648.0);
    AddValueRow("32 bits all set", "&HFFFFFFFF", -1);
    AddValueRow("leading zeros do not widen", "&H000000001", 1);
    AddValueRow("leading zeros keep 16 bits", "&H00000000FFFF", -1);
    AddValueRow("E is a hex digit", "&H1E2", 482);
    AddValueRow("point ends a hex number", "&H1.5", 1);
    AddValueRow("octal", "&O17", 15);
    AddValueRow("lower-case octal prefix", "&o17", 15);
    AddValueRow("16-bit octal all set", "&O177777", -1);
    AddValueRow("17-bit octal", "&O200000", 65536);
    AddValueRow("32-bit octal all set", "&O37777777777", -1);
    AddValueRow("8 is no octal digit", "&O78", 7);
    AddValueRow("hex letter is no octal digit", "&O1F", 1);
    AddValueRow("prefix without digits", "&H", 0);
    AddValueRow("prefix then no hex digit", "&HG", 0);
    AddValueRow("octal prefix then 9", "&O9", 0);
    AddValueRow("ampersand alone", "&", 0);
    AddValueRow("ampersand then digits", "&17", 0);
    AddValueRow("unknown prefix letter", "&B101", 0);
}

void TextValueTest::hexAndOctal()
{
    VerifyValueRow();
}

void TextValueTest::stopping_data()
{
    AddValueColumns();
    AddValueRow("comma", "1,5", 1);
    AddValueRow("comma and zero", "3,0", 3);
    AddValueRow("words between numbers", "24 and 57", 24);
    AddValueRow("letters after digits", "5abc", 5);
    AddValueRow("plus after digits", "1+1", 1);
    AddValueRow("letter after the point", "2.x5", 2);
    AddValueRow("percent sign", "50%", 50);
    AddValueRow("Cyrillic letters after digits", "5\xD0\xB0\xD0\xB1\xD0\xB2", 5);
    AddValueRow("fullwidth digit after digits", "1\xEF\xBC\x97", 1);
    AddValueRow("NUL byte",
        QByteArray("1\0"
                   "2",
            3),
        1);
}

void TextValueTest::stopping()
{
    VerifyValueRow();
}

void TextValueTest::noDigits_data()
{
    AddValueColumns();
    AddValueRow("empty", "", 0);
    AddValueRow("one space", " ", 0);
    AddValueRow("blanks only", " \t\n ", 0);
    AddValueRow("minus alone", "-", 0);
    AddValueRow("plus alone", "+", 0);
    AddValueRow("point alone", ".", 0);
    AddValueRow("sign and point", "-.", 0);
    AddValueRow("exponent without a number", "e5", 0);
    AddValueRow("point and exponent", ".e1", 0);
    AddValueRow("letters", "abc", 0);
    AddValueRow("letter before digits", "x5", 0);
    AddValueRow("Cyrillic letters", "\xD0\xBF\xD1\x8F\xD1\x82\xD1\x8C", 0);
    AddValueRow("fullwidth digit", "\xEF\xBC\x97", 0);
}

void TextValueTest::noDigits()
{
    VerifyValueRow();
}

QTEST_APPLESS_MAIN(TextValueTest)

#include "TextValueTest.moc"
