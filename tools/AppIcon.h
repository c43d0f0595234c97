#pragma once

#include <QImage>

namespace sostav::draw {

// The program's window icon: a green tile showing how 10 splits into 3 and 7, the split
// diagram of the composition screens. The smallest sizes keep only the big "10".
inline constexpr int AppIconSizes[] = {16, 32, 48, 64, 128, 256};

// The icon at `pixels` by `pixels`, with straight (not premultiplied) alpha.
QImage drawAppIcon(int pixels);

} // namespace sostav::draw
