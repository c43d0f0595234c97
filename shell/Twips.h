#pragma once

#include <cmath>

namespace sostav {

// Screens are designed in twips (1/1440 inch); at the 96 dots per inch they were laid out
// for, 15 of them make one pixel.
inline constexpr int TwipsPerPixel = 15;

// Twips to logical pixels, on a screen shrunk by `scale` where it cannot fit its desktop.
inline int twipsToPixels(int twips, double scale = 1.0)
{
    return int(std::lround(twips * scale / TwipsPerPixel));
}

} // namespace sostav
