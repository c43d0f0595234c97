#pragma once

#include <optional>
#include <string_view>

namespace sostav {

// The outcome of a test that can also overflow: std::nullopt when a box's number or the
// sum leaves the double range; otherwise whether the numbers match the target exactly.
using TestOutcome = std::optional<bool>;

// The two boxes' numbers added equal the target exactly, with no tolerance and no
// rounding of the sum.
TestOutcome sumOutcome(std::string_view first, std::string_view second, double target);

// The box's number equals the expected number exactly.
TestOutcome valueOutcome(std::string_view box, double expected);

// The tests the screens judge with: a number too large to hold is simply not the answer,
// so a child's typing can never stop a check or the program.
bool sumTest(std::string_view first, std::string_view second, double target);
bool valueTest(std::string_view box, double expected);

} // namespace sostav
