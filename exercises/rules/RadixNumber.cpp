#include "exercises/rules/RadixNumber.h"

#include "exercises/rules/TextCursor.h"

#include <cstdint>

namespace sostav {

namespace {

// The value of c as a digit of any radix up to 16, or -1 when it is no digit at all.
int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

constexpr std::uint64_t Widest16 = 0xFFFF;
constexpr std::uint64_t Widest32 = 0xFFFF'FFFF;

} // namespace

std::optional<double> readRadixNumber(TextCursor& cursor, Radix radix)
{
    const int base = static_cast<int>(radix);
    std::uint64_t value = 0;
    for (int digit = DigitValue(cursor.peek()); digit >= 0 && digit < base; digit = DigitValue(cursor.peek())) {
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        // Leading zeros keep the value at 0, so only digits that matter can get here;
        // once past 32 bits no further digit can bring the value back.
        if (value > Widest32)
            return std::nullopt;
        cursor.advance();
    }
    // The narrowing conversions wrap around, which is exactly the two's complement
    // reading wanted: 0xFFFF becomes -1.
    if (value <= Widest16)
        return static_cast<double>(static_cast<std::int16_t>(value));
    return static_cast<double>(static_cast<std::int32_t>(value));
}

} // namespace sostav
