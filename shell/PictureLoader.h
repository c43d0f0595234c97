#pragma once

#include <QPixmap>

#include <string_view>

namespace sostav {

// Loads one of the program's built-in pictures by name ("smile", "ten", ...). On a dense
// display the picture drawn at twice the size is taken, so it stays sharp at the same
// logical size; otherwise exactly the designed picture.
class PictureLoader {
public:
    // Makes the embedded pictures and icons reachable; done once, before the first use.
    static void registerResources();
    static QPixmap load(std::string_view name);
    static QPixmap load(std::string_view name, qreal devicePixelRatio);
};

} // namespace sostav
