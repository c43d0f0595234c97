#pragma once

#include <QImage>

namespace sostav::draw {

// The verdict picture for a wrong pair: a glossy golden face with wide eyes, raised brows and
// a small round mouth, casting a soft shadow on white.
inline constexpr QSize SurprisedFaceSize {205, 213};
// The file declares this density; the screens show it one pixel to one pixel all the same.
inline constexpr int SurprisedFaceDotsPerInch = 72;

QImage drawSurprisedFace(int scale);

} // namespace sostav::draw
