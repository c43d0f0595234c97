#include "exercises/rules/AnswerTests.h"

#include "exercises/rules/TextValue.h"

#include <cmath>

namespace sostav {

TestOutcome sumOutcome(std::string_view first, std::string_view second, double target)
{
    const std::optional<double> firstValue = TextValue(first);
    if (!firstValue)
        return std::nullopt;
    const std::optional<double> secondValue = TextValue(second);
    if (!secondValue)
        return std::nullopt;

    // Both addends are finite, so the addition can only go wrong by overflowing, and an
    // overflowed sum is infinite; the sum is compared as it is, never rounded first.
    const double sum = *firstValue + *secondValue;
    if (!std::isfinite(sum))
        return std::nullopt;
    return sum == target;
}

TestOutcome valueOutcome(std::string_view box, double expected)
{
    const std::optional<double> value = TextValue(box);
    if (!value)
        return std::nullopt;
    return *value == expected;
}

bool sumTest(std::string_view first, std::string_view second, double target)
{
    return sumOutcome(first, second, target).value_or(false);
}

bool valueTest(std::string_view box, double expected)
{
    return valueOutcome(box, expected).value_or(false);
}

} // namespace sostav
