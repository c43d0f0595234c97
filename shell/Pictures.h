#pragma once

#include <QPixmap>

#include <string_view>

namespace sostav {

// One of the program's built-in pictures by name ("smile", "ten", ...). On a dense display
// the picture drawn at twice the size is taken, so it stays sharp at the same logical size;
// otherwise exactly the designed picture.
QPixmap loadPicture(std::string_view name);

} // namespace sostav
