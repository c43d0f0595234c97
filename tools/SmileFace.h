#pragma once

#include <QImage>

namespace sostav::draw {

// The verdict picture for a right pair: a glossy yellow smiling face on white.
class SmileFace {
public:
    static constexpr QSize size {212, 212};

    static QImage draw(int scale);
};

} // namespace sostav::draw
