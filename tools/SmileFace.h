#pragma once

#include <QImage>

namespace sostav::draw {

// The verdict picture for a right pair: a glossy yellow smiling face on white.
inline constexpr QSize SmileFaceSize {212, 212};

QImage drawSmileFace(int scale);

} // namespace sostav::draw
