#pragma once

#include <QRect>

#include <array>
#include <vector>

namespace sostav::draw {

// One number table of the review worksheet, in picture pixels. All coordinates are
// inclusive pixel indices: the frame covers `left`..`right` and `top`..`bottom`, two pixels
// thick; each grey separating line is the single pixel row or column named.
struct NumberTable {
    int heading;
    int left;
    int right;
    int top;
    int bottom;
    int headingLine;
    std::vector<int> rowLines;
    int columnLine;
    // The printed part of each row; the other cell stays blank for an answer box.
    std::vector<int> printed;

    static constexpr int frameWidth = 2;

    int rowCount() const { return static_cast<int>(rowLines.size()) + 1; }
    QRect headingCell() const;
    QRect cell(int row, bool rightColumn) const;
    // Printed parts stand left in the odd rows (counting from 1) and right in the even ones.
    static bool printedOnRight(int row) { return row % 2 == 1; }

    // The three tables side by side, headed 8, 10 and 9.
    static const std::array<NumberTable, 3>& worksheet();
};

} // namespace sostav::draw
