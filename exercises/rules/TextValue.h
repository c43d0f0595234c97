#pragma once

#include <optional>
#include <string_view>

namespace sostav {

// Reads a typed answer (UTF-8 bytes) as the program judges it. Blanks are ignored
// anywhere, reading stops at the first character that cannot continue the number, and
// text without a digit counts as 0. std::nullopt means the number overflows.
std::optional<double> TextValue(std::string_view text);

} // namespace sostav
