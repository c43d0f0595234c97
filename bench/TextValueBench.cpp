// Times TextValue on answers of one million characters, and on the same kinds of text at
// one hundred thousand, to show that the time grows with the length and no faster.
//
//   sostav-textvalue-bench [--reps N]

#include "exercises/rules/TextValue.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr std::size_t Million = 1'000'000;
constexpr double LimitMs = 5.0;

struct Shape {
    const char* name;
    std::function<std::string(std::size_t)> make;
};

// A run of `length` characters made by repeating `unit`.
struct Piece {
    const char* unit;
    std::size_t length;
};

std::string text(std::initializer_list<Piece> pieces)
{
    std::string result;
    for (const Piece& piece : pieces) {
        const std::size_t end = result.size() + piece.length;
        while (result.size() < end)
            result.append(piece.unit);
        result.resize(end);
    }
    return result;
}

// Each shape walks a different road through the reader: long digit runs, blanks between
// digits, a point with a long fraction, an exponent, the hexadecimal form, and texts that
// stop at once or hold no digit at all.
const Shape Shapes[] = {
    {"digits only (overflows)",
        [](std::size_t n) {
            return text({{"1234567890", n}});
        }},
    {"zeros then 7",
        [](std::size_t n) {
            return text({{"0", n - 1}, {"7", 1}});
        }},
    {"digits and blanks mixed",
        [](std::size_t n) {
            return text({{"4 \t5\n 6 ", n}});
        }},
    {"blanks then 9",
        [](std::size_t n) {
            return text({{" ", n - 1}, {"9", 1}});
        }},
    {"0. and a long fraction",
        [](std::size_t n) {
            return text({{"0.", 2}, {"3", n - 2}});
        }},
    {"half integer, half fraction",
        [](std::size_t n) {
            return text({{"9", n / 2}, {".", 1}, {"1", n - n / 2 - 1}});
        }},
    {"fraction of zeros then e",
        [](std::size_t n) {
            return text({{"1.", 2}, {"0", n - 8}, {"e+0300", 6}});
        }},
    {"&H and hex digits",
        [](std::size_t n) {
            return text({{"&H", 2}, {"0", n - 6}, {"FFFF", 4}});
        }},
    {"letters only",
        [](std::size_t n) {
            return text({{"x", n}});
        }},
    {"8 then letters",
        [](std::size_t n) {
            return text({{"8", 1}, {"x", n - 1}});
        }},
    {"digits then letters",
        [](std::size_t n) {
            return text({{"5", n / 2}, {"x", n - n / 2}});
        }},
};

volatile double sink = 0;

double timeOnce(const std::string& text)
{
    const auto start = std::chrono::steady_clock::now();
    const std::optional<double> value = sostav::TextValue(text);
    const auto stop = std::chrono::steady_clock::now();
    sink = sink + value.value_or(-1.0);
    return std::chrono::duration<double, std::milli>(stop - start).count();
}

struct Figures {
    double min;
    double median;
    double max;
};

Figures measure(const std::string& text, int reps)
{
    timeOnce(text); // warm-up: page in the text and the reader's buffer
    std::vector<double> times;
    for (int i = 0; i < reps; ++i)
        times.push_back(timeOnce(text));
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2], times.back()};
}

} // namespace

int main(int argc, char** argv)
{
    int reps = 50;
    if (argc == 3 && std::strcmp(argv[1], "--reps") == 0)
        reps = std::max(1, std::atoi(argv[2]));

    std::printf("TextValue, %d repetitions each (after one warm-up)\n", reps);
    std::printf("%-28s %14s %20s %8s\n", "text", "100k: median", "1M: median / max", "1M/100k");
    std::printf("%-28s %14s %20s %8s\n", "", "", "", "(fastest)");
    bool ok = true;
    double worst = 0;
    double worstMedian = 0;
    for (const Shape& shape : Shapes) {
        const std::string small = shape.make(Million / 10);
        const std::string large = shape.make(Million);
        const Figures s = measure(small, reps);
        const Figures l = measure(large, reps);
        worst = std::max(worst, l.max);
        worstMedian = std::max(worstMedian, l.median);
        // Judged on the median: a single slow repetition is the machine's doing, not the text's.
        ok = ok && l.median < LimitMs;
        // A text that stops at its first character takes no measurable time at either length.
        if (l.median < 0.001)
            std::printf("%-28s %11.3f ms %9.3f / %6.3f ms %8s\n", shape.name, s.median, l.median, l.max, "-");
        else
            // The fastest runs are the ones nothing else disturbed, so their ratio shows the growth.
            std::printf(
                "%-28s %11.3f ms %9.3f / %6.3f ms %7.1fx\n", shape.name, s.median, l.median, l.max, l.min / s.min);
    }
    std::printf("target: every 1M text under %.0f ms (slowest median %.3f ms, slowest single run %.3f ms): %s\n",
        LimitMs, worstMedian, worst, ok ? "ok" : "MISSED");
    return 0;
}
