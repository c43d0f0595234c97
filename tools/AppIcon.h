#pragma once

#include <QImage>

namespace sostav::draw {

// The program's window icon: a green tile showing how 10 splits into 3 and 7, the split
// diagram of the composition screens. The smallest sizes keep only the big "10".
class AppIcon {
public:
    static constexpr int sizes[] = {16, 32, 48, 64, 128, 256};

    static QImage draw(int pixels);

private:
    static void paintTile(QPainter& painter);
    static void paintDiagram(QPainter& painter);
    static void paintNumberOnly(QPainter& painter);
};

} // namespace sostav::draw
