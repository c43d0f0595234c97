#pragma once

namespace sostav {

// Screens are designed in twips (1/1440 inch); at the 96 dots per inch they were laid out
// for, 15 of them make one pixel.
inline constexpr int TwipsPerPixel = 15;

} // namespace sostav
