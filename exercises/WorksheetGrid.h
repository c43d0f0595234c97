#pragma once

// The review worksheet's geometry, kept in one place because two programs depend on it: the
// drawer paints the number tables into the worksheet picture, and Form6 lays its thirteen answer
// boxes over the blank cells of that picture. The checks at the end of this file stop the build
// if a box would no longer lie inside its cell.
//
// Picture pixels are inclusive indices, (0, 0) at the picture's top left; the screen is in twips.

#include "shell/Twips.h"

#include <array>

namespace sostav::worksheet {

// Form6 shows the picture at its natural size with its top left corner here, in twips.
inline constexpr int PictureLeft = 480;
inline constexpr int PictureTop = 840;
// The picture's size in picture pixels, and the room it takes on the screen in twips.
inline constexpr int PictureWidth = 715;
inline constexpr int PictureHeight = 538;
inline constexpr int PictureWidthTwips = PictureWidth * TwipsPerPixel;
inline constexpr int PictureHeightTwips = PictureHeight * TwipsPerPixel;

// A rectangle of picture pixels, both edges included.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;

    constexpr int width() const { return right - left + 1; }
    constexpr int height() const { return bottom - top + 1; }
    constexpr PixelRect shrunk(int by) const { return {left + by, top + by, right - by, bottom - by}; }
    constexpr bool contains(const PixelRect& other) const
    {
        return other.left >= left && other.right <= right && other.top >= top && other.bottom <= bottom;
    }
};

enum class Column { Left, Right };

// One row of a number table: the part printed in it, and the cell left blank for the child.
struct TableRow {
    int printed;
    Column blank;
};

inline constexpr int FrameWidth = 2;
inline constexpr int MaxRows = 5;

// A number table: a heading cell spanning two columns over the rows. The frame is black and
// `FrameWidth` pixels thick, drawn inside `frame`; every other line is one grey pixel wide.
struct NumberTable {
    int heading;
    PixelRect frame;
    // The pixel row under the heading cell, and the pixel rows between the table's rows.
    int headingLine;
    std::array<int, MaxRows - 1> rowLines;
    // The pixel column between the two columns.
    int columnLine;
    int rowCount;
    std::array<TableRow, MaxRows> rows;

    constexpr PixelRect inside() const { return frame.shrunk(FrameWidth); }
    constexpr PixelRect headingCell() const
    {
        const PixelRect in = inside();
        return {in.left, in.top, in.right, headingLine - 1};
    }
    constexpr PixelRect cell(int row, Column column) const
    {
        const PixelRect in = inside();
        const int top = (row == 0 ? headingLine : rowLines[row - 1]) + 1;
        const int bottom = row + 1 < rowCount ? rowLines[row] - 1 : in.bottom;
        return column == Column::Left ? PixelRect {in.left, top, columnLine - 1, bottom}
                                      : PixelRect {columnLine + 1, top, in.right, bottom};
    }
    constexpr Column printedColumn(int row) const
    {
        return rows[row].blank == Column::Left ? Column::Right : Column::Left;
    }
    constexpr PixelRect blankCell(int row) const { return cell(row, rows[row].blank); }
};

// The three tables side by side, headed 8, 10 and 9. The printed part stands left in the first,
// third and fifth rows and right in the second and fourth.
inline constexpr std::array<NumberTable, 3> Tables {{
    {.heading = 8,
        .frame = {26, 102, 192, 529},
        .headingLine = 188,
        .rowLines = {273, 358, 444},
        .columnLine = 109,
        .rowCount = 4,
        .rows = {{{5, Column::Right}, {7, Column::Left}, {6, Column::Right}, {8, Column::Left}}}},
    {.heading = 10,
        .frame = {268, 11, 434, 523},
        .headingLine = 97,
        .rowLines = {182, 268, 352, 438},
        .columnLine = 351,
        .rowCount = 5,
        .rows = {{{3, Column::Right}, {1, Column::Left}, {4, Column::Right}, {2, Column::Left}, {5, Column::Right}}}},
    {.heading = 9,
        .frame = {522, 96, 688, 523},
        .headingLine = 181,
        .rowLines = {267, 352, 437},
        .columnLine = 605,
        .rowCount = 4,
        .rows = {{{1, Column::Right}, {3, Column::Left}, {4, Column::Right}, {2, Column::Left}}}},
}};

// The answer boxes Text1 .. Text13 of Form6, in twips. They run down the table of 8, then the
// table of 10, then the table of 9, one box over each row's blank cell.
struct TwipsPoint {
    int left;
    int top;
};

inline constexpr int AnswerBoxCount = 13;
inline constexpr int AnswerBoxWidth = 735;
inline constexpr int AnswerBoxHeight = 855;
// The least white, in picture pixels, kept between a box and the lines of its cell, so that every
// line of the table stays in view around the boxes.
inline constexpr int AnswerBoxMargin = 3;

inline constexpr std::array<TwipsPoint, AnswerBoxCount> AnswerBoxes {{
    {2400, 3840},
    {1200, 5160},
    {2400, 6360},
    {1200, 7680},
    {6000, 2520},
    {4800, 3840},
    {6000, 5040},
    {4800, 6360},
    {6000, 7680},
    {9840, 3840},
    {8640, 5040},
    {9840, 6360},
    {8640, 7560},
}};

// Left and top of answer box `index` in twips; index 0 is Text1.
constexpr TwipsPoint answerBox(int index)
{
    return AnswerBoxes[index];
}

// The table and row whose blank cell answer box `index` covers.
struct CellPlace {
    int table;
    int row;
};

constexpr CellPlace answerCell(int index)
{
    int table = 0;
    while (index >= Tables[table].rowCount)
        index -= Tables[table++].rowCount;
    return {table, index};
}

// The part missing from the row under answer box `index`: what the child should type there.
constexpr int missingPart(int index)
{
    const CellPlace place = answerCell(index);
    const NumberTable& table = Tables[place.table];
    return table.heading - table.rows[place.row].printed;
}

// The picture pixels answer box `index` covers.
constexpr PixelRect answerBoxOnPicture(int index)
{
    const TwipsPoint box = answerBox(index);
    const int left = (box.left - PictureLeft) / TwipsPerPixel;
    const int top = (box.top - PictureTop) / TwipsPerPixel;
    return {left, top, left + AnswerBoxWidth / TwipsPerPixel - 1, top + AnswerBoxHeight / TwipsPerPixel - 1};
}

namespace check {

constexpr bool onWholePixels(int twips)
{
    return twips % TwipsPerPixel == 0;
}

// The number of the first answer box (1 for Text1) that is off the pixel grid or not inside its
// blank cell with the margin; 0 when every box fits.
constexpr int strayAnswerBox()
{
    for (int i = 0; i < AnswerBoxCount; ++i) {
        const TwipsPoint box = answerBox(i);
        const CellPlace place = answerCell(i);
        const PixelRect blank = Tables[place.table].blankCell(place.row);
        if (!onWholePixels(box.left - PictureLeft) || !onWholePixels(box.top - PictureTop)
            || !blank.shrunk(AnswerBoxMargin).contains(answerBoxOnPicture(i)))
            return i + 1;
    }
    return 0;
}

// The number of the first table (1 for the table of 8) whose lines are out of order, leave its
// frame or the picture, or whose rows do not split its heading; 0 when all are sound.
constexpr int unsoundTable()
{
    for (int t = 0; t < static_cast<int>(Tables.size()); ++t) {
        const NumberTable& table = Tables[t];
        const PixelRect in = table.inside();
        bool sound = table.frame.left >= 0 && table.frame.top >= 0 && table.frame.right < PictureWidth
            && table.frame.bottom < PictureHeight && table.rowCount >= 1 && table.rowCount <= MaxRows
            && in.left < table.columnLine && table.columnLine < in.right && in.top < table.headingLine;
        int previous = table.headingLine;
        for (int row = 0; row + 1 < table.rowCount; ++row) {
            sound = sound && previous + 1 < table.rowLines[row];
            previous = table.rowLines[row];
        }
        sound = sound && previous + 1 < in.bottom;
        for (int row = 0; row < table.rowCount; ++row)
            sound = sound && table.rows[row].printed >= 0 && table.rows[row].printed <= table.heading;
        if (!sound)
            return t + 1;
    }
    return 0;
}

constexpr int blankCellCount()
{
    int count = 0;
    for (const NumberTable& table : Tables)
        count += table.rowCount;
    return count;
}

} // namespace check

static_assert(check::unsoundTable() == 0, "a number table's lines are out of order or outside the picture");
static_assert(check::blankCellCount() == AnswerBoxCount, "one answer box for every blank cell");
static_assert(check::strayAnswerBox() == 0, "an answer box is not inside its blank cell with the margin");

} // namespace sostav::worksheet
