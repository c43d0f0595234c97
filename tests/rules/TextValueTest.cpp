// How answer texts are read: blanks, signs, points, exponents, the &H and &O forms, and
// where reading stops.
#include "ValueCheck.h"

using namespace sostav::test;

class TextValueTest : public QObject {
    Q_OBJECT

private slots:
    void blanks_data()
    {
        AddReadingColumns();
        Row("between digits", "2 45 7", 2457);
        Row("around the number", "  7  ", 7);
        Row("tab and line feed", "1\t2\n3", 123);
        Row("after the sign", "- 5", -5);
        Row("around the point", "3 . 2 5", 3.25);
        Row("inside the exponent", "1 e - 2", 0.01);
        Row("inside the hex prefix", "& H F F", 255);
        Row("carriage return is no blank", "1\r2", 1);
        Row("no-break space is no blank", "1\u00A02", 1);
    }
    void blanks() { VerifyReading(); }

    void signsAndPoints_data()
    {
        AddReadingColumns();
        Row("plus", "+3", 3);
        Row("minus before the point", "-.25", -0.25);
        Row("point at the end", "7.", 7);
        Row("zeros on both sides", "007.500", 7.5);
        Row("point then exponent", "1.e2", 100);
        Row("second point", "1.2.3", 1.2);
        Row("sign after the number", "3-", 3);
        Row("two signs", "+-5", 0);
        Row("sign before the hex prefix", "-&H5", 0);
    }
    void signsAndPoints() { VerifyReading(); }

    void exponents_data()
    {
        AddReadingColumns();
        Row("lower-case e, plus", "1e+2", 100);
        Row("upper-case E, minus", "1E-2", 0.01);
        Row("upper-case D after a fraction", "2.5D3", 2500);
        Row("lower-case d", "1d1", 10);
        Row("shifts a fraction back", "0.000001e6", 1);
        Row("letter without digits", "1e", 1);
        Row("letter and sign without digits", "1D-", 1);
        Row("many leading zeros", "1e000000000000000000000000002", 100);
    }
    void exponents() { VerifyReading(); }

    void hexAndOctal_data()
    {
        AddReadingColumns();
        Row("lower-case prefix and digits", "&hff", 255);
        Row("16 bits all set", "&HFFFF", -1);
        Row("16-bit sign bit", "&H8000", -32768);
        Row("17 bits", "&H10000", 65536);
        Row("32-bit sign bit", "&H80000000", -2147483648.0);
        Row("32 bits all set", "&HFFFFFFFF", -1);
        Row("leading zeros keep 16 bits", "&H00000000FFFF", -1);
        Row("E is a hex digit", "&H1E2", 482);
        Row("point ends a hex number", "&H1.5", 1);
        Row("lower-case octal", "&o17", 15);
        Row("16-bit octal all set", "&O177777", -1);
        Row("32-bit octal all set", "&O37777777777", -1);
        Row("8 is no octal digit", "&O78", 7);
        Row("prefix then no hex digit", "&HG", 0);
        Row("ampersand then digits", "&17", 0);
        Row("unknown prefix letter", "&B101", 0);
    }
    void hexAndOctal() { VerifyReading(); }

    // Reading stops at the first character that cannot continue the number; no digit
    // before it reads as 0.
    void stopping_data()
    {
        AddReadingColumns();
        Row("comma", "1,5", 1);
        Row("words between numbers", "24 and 57", 24);
        Row("plus after digits", "1+1", 1);
        Row("letter after the point", "2.x5", 2);
        Row("second exponent", "1e2e3", 100);
        Row("point inside the exponent", "1e2.5", 100);
        Row("Cyrillic after digits", "5аб", 5);
        Row("NUL byte", QByteArray("1") + '\0' + '2', 1);
        Row("no digit: empty", "", 0);
        Row("no digit: blanks only", " \t\n ", 0);
        Row("no digit: sign alone", "-", 0);
        Row("no digit: sign and point", "+.", 0);
        Row("no digit: exponent without a number", "e5", 0);
        Row("no digit: letter first", "x5", 0);
        Row("no digit: fullwidth digit", "７", 0);
    }
    void stopping() { VerifyReading(); }
};

QTEST_APPLESS_MAIN(TextValueTest)
#include "TextValueTest.moc"
