#pragma once

#include "exercises/rules/TextValue.h"

#include <QByteArray>
#include <QTest>

#include <optional>
#include <string_view>

// Helpers shared by the tests of the answer-reading rules.
namespace sostav::test {

inline std::string_view View(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

inline QByteArray Describe(std::optional<double> value)
{
    return value ? QByteArray::number(*value, 'g', 17) : QByteArrayLiteral("overflow");
}

// Doubles are compared exactly: QCOMPARE would allow a fuzzy difference.
inline void VerifyValue(const QByteArray& text, double expected)
{
    const std::optional<double> actual = TextValue(View(text));
    const QByteArray message = "read " + Describe(actual) + ", expected " + Describe(expected);
    QVERIFY2(actual.has_value() && *actual == expected, message.constData());
}

// Every data-driven test of a value uses these two columns.
inline void AddValueColumns()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
}

inline void AddValueRow(const char* name, const QByteArray& text, double expected)
{
    QTest::newRow(name) << text << expected;
}

inline void VerifyValueRow()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    VerifyValue(text, expected);
}

} // namespace sostav::test
