#pragma once

#include <optional>

namespace sostav {

class TextCursor;

enum class Radix { Octal = 8, Hexadecimal = 16 };

// Reads the digits of an "&H" or "&O" form, the prefix already consumed. Values of up
// to 16 bits are signed 16-bit integers and values of up to 32 bits signed 32-bit
// integers, so "&HFFFF" is -1; anything longer is an overflow (std::nullopt).
std::optional<double> readRadixNumber(TextCursor& cursor, Radix radix);

} // namespace sostav
