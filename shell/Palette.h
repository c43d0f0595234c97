#pragma once

#include "shell/Colour.h"

// The program's colours, each named once, so that screens that share a look share the very
// same shade.
namespace sostav::palette {

inline constexpr Colour Meadow = Rgb(192, 255, 192); // exercise screens' background
inline constexpr Colour MenuGreen = Rgb(128, 255, 128); // the menu, and behind the words on the screen for 10
inline constexpr Colour Orange = Rgb(255, 128, 0);
inline constexpr Colour Grass = Rgb(0, 192, 0); // the split diagrams' lines
inline constexpr Colour Red = Rgb(255, 0, 0);
inline constexpr Colour Blue = Rgb(0, 0, 192);
inline constexpr Colour Navy = Rgb(0, 0, 128);
inline constexpr Colour Cherry = Rgb(192, 0, 0); // the worksheet's answer boxes

} // namespace sostav::palette
