#pragma once

#include <optional>

namespace sostav {

class TextCursor;

// Reads an optional sign, digits with at most one point, and an optional exponent
// introduced by E or D, stopping at the first character that cannot continue it.
// Gives the correctly rounded double of what was read, 0 when no digit was read, and
// std::nullopt when the number lies beyond the double range.
std::optional<double> readDecimalNumber(TextCursor& cursor);

} // namespace sostav
