// libFuzzer target for the answer rules. Every text must read as a finite double or an
// overflow, exactly as a plain reference reading does (blanks stripped, the number cut out
// and handed to the correctly rounded strtod), unchanged by text after a comma; the sum
// and value tests must agree with the values read. A violation traps. Built and run as
// fuzz/CMakeLists.txt says.
#include "exercises/rules/AnswerTests.h"
#include "exercises/rules/TextValue.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using Value = std::optional<double>;

void require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "answer rules property violated: %s\n", property);
        __builtin_trap();
    }
}

bool same(Value a, Value b)
{
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string withoutBlanks(std::string_view text)
{
    std::string result;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            result.push_back(c);
    return result;
}

int radixDigit(char c, int base)
{
    int digit = base;
    if (isDigit(c))
        digit = c - '0';
    else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    return digit < base ? digit : -1;
}

Value referenceRadix(const std::string& s, int base)
{
    std::uint64_t value = 0;
    for (std::size_t i = 2; i < s.size() && radixDigit(s[i], base) >= 0; ++i) {
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(radixDigit(s[i], base));
        if (value > 0xFFFFFFFFU)
            return std::nullopt;
    }
    if (value <= 0xFFFFU)
        return static_cast<std::int16_t>(value);
    return static_cast<std::int32_t>(value);
}

// The reading rules applied in the most direct way, as a second opinion.
Value reference(std::string_view text)
{
    const std::string s = withoutBlanks(text);
    if (!s.empty() && s[0] == '&') {
        const char letter = s.size() > 1 ? s[1] : '\0';
        if (letter == 'H' || letter == 'h')
            return referenceRadix(s, 16);
        if (letter == 'O' || letter == 'o')
            return referenceRadix(s, 8);
        return 0.0;
    }

    std::string number;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number.push_back(s[i++]);
    bool anyDigit = false;
    for (; i < s.size() && isDigit(s[i]); ++i, anyDigit = true)
        number.push_back(s[i]);
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        for (; i < s.size() && isDigit(s[i]); ++i, anyDigit = true)
            number.push_back(s[i]);
    }
    if (!anyDigit)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        const std::size_t digitsFrom = j;
        for (; j < s.size() && isDigit(s[j]); ++j)
            exponent.push_back(s[j]);
        if (j > digitsFrom)
            number += exponent;
    }
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;
}

void checkReading(std::string_view text)
{
    const Value value = sostav::TextValue(text);
    require(!value || std::isfinite(*value), "a value read is finite");
    require(same(value, reference(text)), "the value matches the reference reading");
    require(same(value, sostav::TextValue(std::string(text) + "," + std::string(text))), "a comma ends the number");
}

void checkTests(std::string_view first, std::string_view second)
{
    const Value a = sostav::TextValue(first), b = sostav::TextValue(second);
    const double sum = a && b ? *a + *b : 0.0;
    const bool sumFinite = a && b && std::isfinite(sum);
    for (double target : {0.0, 8.0, 9.0, 10.0, a.value_or(1.0), sum}) {
        require(sostav::sumOutcome(first, second, target).has_value() == sumFinite, "the sum test overflows with it");
        require(sostav::sumTest(first, second, target) == (sumFinite && sum == target), "the sum test agrees");
        require(sostav::valueOutcome(first, target).has_value() == a.has_value(), "the value test overflows with it");
        require(sostav::valueTest(first, target) == (a && *a == target), "the value test agrees");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkReading(text);

    // A '|' splits the input into the two boxes of a sum test.
    const std::size_t bar = std::min(text.find('|'), text.size());
    checkReading(text.substr(0, bar));
    checkTests(text.substr(0, bar), text.substr(std::min(bar + 1, text.size())));
    return 0;
}
