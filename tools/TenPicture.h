#pragma once

#include <QImage>

namespace sostav::draw {

// The right-hand side "10" of the equation on the composition screen for 10: black digits on
// white whose ink fills an exact box, so the picture lines up with the "=" label beside it.
inline constexpr QSize TenPictureSize {111, 97};

QImage drawTenPicture(int scale);

} // namespace sostav::draw
