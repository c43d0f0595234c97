#pragma once

#include "exercises/rules/TextValue.h"

#include <QTest>

#include <optional>

// Helpers shared by the tests of the answer-reading rules.
namespace sostav::test {

// What a text reads as; std::nullopt is a number beyond the double range.
using Reading = std::optional<double>;
inline const Reading Overflow = std::nullopt;

inline QByteArray Describe(Reading value)
{
    return value ? QByteArray::number(*value, 'g', 17) : QByteArrayLiteral("overflow");
}

inline void AddReadingColumns()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Reading>("expected");
}

inline void Row(const char* name, const QByteArray& text, Reading expected)
{
    QTest::newRow(name) << text << expected;
}

// Doubles are compared exactly: QCOMPARE would allow a fuzzy difference.
inline void VerifyReading()
{
    QFETCH(QByteArray, text);
    QFETCH(Reading, expected);
    const Reading actual = TextValue(text.toStdString());
    QVERIFY2(actual == expected, ("read " + Describe(actual) + ", expected " + Describe(expected)).constData());
}

} // namespace sostav::test
