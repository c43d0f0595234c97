#include "NumberTable.h"

namespace sostav::draw {

QRect NumberTable::headingCell() const
{
    return QRect(QPoint(left + frameWidth, top + frameWidth), QPoint(right - frameWidth, headingLine - 1));
}

QRect NumberTable::cell(int row, bool rightColumn) const
{
    const auto index = static_cast<std::size_t>(row);
    const int cellTop = row == 0 ? headingLine + 1 : rowLines[index - 1] + 1;
    const int cellBottom = index < rowLines.size() ? rowLines[index] - 1 : bottom - frameWidth;
    const int cellLeft = rightColumn ? columnLine + 1 : left + frameWidth;
    const int cellRight = rightColumn ? right - frameWidth : columnLine - 1;
    return QRect(QPoint(cellLeft, cellTop), QPoint(cellRight, cellBottom));
}

const std::array<NumberTable, 3>& NumberTable::worksheet()
{
    static const std::array<NumberTable, 3> tables {{
        {8, 26, 192, 102, 529, 188, {273, 358, 444}, 109, {5, 7, 6, 8}},
        {10, 268, 434, 11, 523, 97, {182, 268, 352, 438}, 351, {3, 1, 4, 2, 5}},
        {9, 522, 688, 96, 523, 181, {267, 352, 437}, 605, {1, 3, 4, 2}},
    }};
    return tables;
}

} // namespace sostav::draw
