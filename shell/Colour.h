#pragma once

#include <cstdint>

namespace sostav {

// An opaque RGB colour as the screens are designed with; `given == false` means
// "the desktop's standard colour for this part of this widget".
struct Colour {
    bool given = false;
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return Colour {true, r, g, b};
}

} // namespace sostav
