// libFuzzer target for the answer-reading rules. Rather than only surviving each input,
// it checks properties that must hold for every text:
//  - the result is a finite double or an overflow, never infinite or NaN;
//  - it matches a plain reference reading that strips the blanks, cuts out the number
//    and hands it to the C library's correctly rounded strtod;
//  - blanks inserted anywhere, or all removed, never change the result;
//  - text appended after a comma, which can continue no number, never changes it;
//  - the sum test and the value test agree with the values read.
// Any violation traps, which libFuzzer reports as a finding. Build and run: fuzz/run.sh.
#include "exercises/rules/AnswerTests.h"
#include "exercises/rules/TextValue.h"

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

[[noreturn]] void Violated(const char* property)
{
    std::fprintf(stderr, "answer rules property violated: %s\n", property);
    __builtin_trap();
}

void Require(bool holds, const char* property)
{
    if (!holds)
        Violated(property);
}

bool Same(Value a, Value b)
{
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string WithoutBlanks(std::string_view text)
{
    std::string result;
    for (char c : text)
        if (!isBlank(c))
            result.push_back(c);
    return result;
}

int RadixDigit(char c, int base)
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

Value ReferenceRadix(const std::string& s, int base)
{
    std::uint64_t value = 0;
    for (std::size_t i = 2; i < s.size() && RadixDigit(s[i], base) >= 0; ++i) {
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(RadixDigit(s[i], base));
        if (value > 0xFFFFFFFFU)
            return std::nullopt;
    }
    if (value <= 0xFFFFU)
        return static_cast<std::int16_t>(value);
    return static_cast<std::int32_t>(value);
}

// The reading rules applied in the most direct way, as a second opinion.
Value Reference(std::string_view text)
{
    const std::string s = WithoutBlanks(text);
    if (!s.empty() && s[0] == '&') {
        const char letter = s.size() > 1 ? s[1] : '\0';
        if (letter == 'H' || letter == 'h')
            return ReferenceRadix(s, 16);
        if (letter == 'O' || letter == 'o')
            return ReferenceRadix(s, 8);
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

// A deterministic stream of choices drawn from the input itself (splitmix64).
class Choices {
public:
    explicit Choices(std::string_view text)
    {
        for (char c : text)
            m_state = (m_state ^ static_cast<unsigned char>(c)) * 0x100000001B3U;
    }

    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15U);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9U;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBU;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t m_state = 0xCBF29CE484222325U;
};

std::string WithBlanksInserted(std::string_view text)
{
    static constexpr std::string_view Blanks[] = {" ", "\t", "\n", " \t\n "};
    Choices choices(text);
    std::string result;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const std::uint64_t choice = choices.Next();
        if (choice % 3 == 0)
            result += Blanks[(choice >> 8) % std::size(Blanks)];
        if (i < text.size())
            result.push_back(text[i]);
    }
    return result;
}

void CheckReading(std::string_view text)
{
    const Value value = sostav::TextValue(text);
    Require(!value || std::isfinite(*value), "a value read is finite");
    Require(Same(value, Reference(text)), "the value matches the reference reading");
    Require(Same(value, sostav::TextValue(WithoutBlanks(text))), "removing blanks changes nothing");
    Require(Same(value, sostav::TextValue(WithBlanksInserted(text))), "inserting blanks changes nothing");
    const std::string text2(text);
    Require(Same(value, sostav::TextValue(text2 + ",zz")), "appending after a comma changes nothing");
    Require(
        Same(value, sostav::TextValue(text2 + "," + text2)), "appending the text again after a comma changes nothing");
}

void CheckTests(std::string_view first, std::string_view second)
{
    const Value a = sostav::TextValue(first);
    const Value b = sostav::TextValue(second);
    const bool bothRead = a && b;
    const double sum = bothRead ? *a + *b : 0.0;
    const bool sumFinite = bothRead && std::isfinite(sum);

    const double targets[] = {0.0, 8.0, 9.0, 10.0, a.value_or(1.0), b.value_or(2.0), sum};
    for (double target : targets) {
        const sostav::TestOutcome outcome = sostav::sumOutcome(first, second, target);
        Require(outcome.has_value() == sumFinite, "the sum test overflows exactly when the sum does");
        Require(!outcome || *outcome == (sum == target), "the sum test compares the sum exactly");
        Require(sostav::sumTest(first, second, target) == (sumFinite && sum == target), "the sum test agrees");
        Require(sostav::sumTest(second, first, target) == sostav::sumTest(first, second, target),
            "the order of the boxes does not matter");

        const sostav::TestOutcome single = sostav::valueOutcome(first, target);
        Require(single.has_value() == a.has_value(), "the value test overflows exactly when the value does");
        Require(sostav::valueTest(first, target) == (a && *a == target), "the value test agrees");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckReading(text);

    // A '|' splits the input into the two boxes of a sum test.
    const std::size_t bar = text.find('|');
    const std::string_view first = text.substr(0, bar);
    const std::string_view second = bar == std::string_view::npos ? std::string_view() : text.substr(bar + 1);
    if (bar != std::string_view::npos) {
        CheckReading(first);
        CheckReading(second);
    }
    CheckTests(first, second);
    return 0;
}
