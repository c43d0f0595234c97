#pragma once

#include <QImage>
#include <QRect>

#include <vector>

namespace sostav::draw {

// The review worksheet: three number tables on white. The answer boxes of the screen lie
// over its blank cells, so its geometry is exact to the pixel.
class WorksheetPicture {
public:
    static constexpr QSize size {715, 538};
    static constexpr int digitHeight = 42;

    static QImage draw(int scale);

    // Where the screen's thirteen answer boxes fall on the picture, in picture pixels.
    static std::vector<QRect> answerBoxes();
    // Checks that every answer box lies inside a blank cell with room on every side; on a
    // mismatch describes it in `problem` and returns false.
    static bool answerBoxesFit(QString& problem);
};

} // namespace sostav::draw
