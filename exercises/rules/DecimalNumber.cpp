#include "exercises/rules/DecimalNumber.h"

#include "exercises/rules/TextCursor.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string_view>
#include <system_error>

namespace sostav {

namespace {

// Exponents are clamped here while they are read. The clamp lies far beyond any shift a
// text's own digits could make up for, so a clamped exponent still lands on the same
// side of the double range, and the sums below cannot overflow a 64-bit integer.
constexpr std::int64_t ExponentClamp = 1'000'000'000'000'000;

// A value of 10^309 or more is past the largest double (about 1.8 * 10^308); a value
// below 10^-324 is less than half the smallest subnormal (about 4.9 * 10^-324) and
// rounds to zero. Between the two, the standard conversion takes over.
constexpr std::int64_t HighestLeadingPower = 309;
constexpr std::int64_t LowestLeadingPower = -323;

// Room behind the digits for "e" and a signed 64-bit exponent.
constexpr std::size_t ExponentRoom = 24;

bool IsExponentLetter(char c)
{
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// Reads an optional "+" or "-"; true when it was "-".
bool ReadSign(TextCursor& cursor)
{
    const char c = cursor.peek();
    if (c != '+' && c != '-')
        return false;
    cursor.advance();
    return c == '-';
}

// An exponent letter without digits after it counts as an exponent of 0 ("1e" is 1).
std::int64_t ReadExponent(TextCursor& cursor)
{
    if (!IsExponentLetter(cursor.peek()))
        return 0;
    cursor.advance();
    const bool negative = ReadSign(cursor);
    std::int64_t exponent = 0;
    for (char c = cursor.peek(); TextCursor::isDigit(c); c = cursor.peek()) {
        exponent = std::min(exponent * 10 + (c - '0'), ExponentClamp);
        cursor.advance();
    }
    return negative ? -exponent : exponent;
}

// Converts the count digits at buffer, times 10^power; the buffer has ExponentRoom free
// characters behind the digits. Every significant digit is handed over, so the standard
// conversion sees the exact decimal value and rounds it once.
std::optional<double> ToDouble(char* buffer, std::size_t count, std::int64_t power)
{
    // Zeros on either side carry no value; those at the end shift the power instead.
    std::string_view digits(buffer, count);
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos)
        return 0.0;
    const std::size_t last = digits.find_last_not_of('0');
    power += static_cast<std::int64_t>(digits.size() - last - 1);
    digits = digits.substr(first, last - first + 1);

    const std::int64_t leadingPower = static_cast<std::int64_t>(digits.size()) + power;
    if (leadingPower > HighestLeadingPower)
        return std::nullopt;
    if (leadingPower < LowestLeadingPower)
        return 0.0;

    // The exponent is written over what followed the significant digits.
    char* const begin = buffer + first;
    char* exponentAt = begin + digits.size();
    *exponentAt++ = 'e';
    char* const end = std::to_chars(exponentAt, exponentAt + ExponentRoom - 1, power).ptr;

    double value = 0.0;
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::scientific);
    if (error == std::errc::result_out_of_range)
        return leadingPower > 0 ? std::nullopt : std::optional<double>(0.0);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> readDecimalNumber(TextCursor& cursor)
{
    const bool negative = ReadSign(cursor);

    // The digits before and after the point are gathered, blanks left out, into one
    // buffer: the only copy made of the text.
    const auto buffer = std::make_unique_for_overwrite<char[]>(cursor.remaining() + ExponentRoom);
    std::size_t count = cursor.copyDigits(buffer.get());
    std::int64_t power = 0;
    if (cursor.peek() == '.') {
        cursor.advance();
        const std::size_t fractionCount = cursor.copyDigits(buffer.get() + count);
        count += fractionCount;
        power = -static_cast<std::int64_t>(fractionCount);
    }
    power += ReadExponent(cursor);

    // A sign on a number that comes to zero is dropped: the answer is simply 0.
    const std::optional<double> magnitude = ToDouble(buffer.get(), count, power);
    if (magnitude && negative && *magnitude != 0.0)
        return -*magnitude;
    return magnitude;
}

} // namespace sostav
