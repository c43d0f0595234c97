#include "WorksheetPicture.h"

#include "Canvas.h"
#include "GlyphOutline.h"

#include "exercises/WorksheetGrid.h"

#include <QPainter>

namespace sostav::draw {

namespace {

using worksheet::NumberTable;
using worksheet::PixelRect;

const QColor frameColour(0, 0, 0);
const QColor lineColour(150, 150, 150);
const QColor headingColour(255, 128, 255);
constexpr qreal DigitHeight = 42;

QRect toQRect(const PixelRect& r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
}

QPointF centreOf(const PixelRect& cell)
{
    return QPointF(cell.left + cell.width() / 2.0, cell.top + cell.height() / 2.0);
}

void paintNumber(QPainter& painter, int number, const PixelRect& cell)
{
    painter.fillPath(
        centredGlyphs(QString::number(number), centreOf(cell), DigitHeight, GlyphWeight::Regular), Qt::black);
}

void paintLines(QPainter& painter, const NumberTable& table)
{
    const PixelRect inside = table.inside();
    const auto across = [&](int y) { painter.fillRect(QRect(inside.left, y, inside.width(), 1), lineColour); };
    across(table.headingLine);
    for (int row = 0; row + 1 < table.rowCount; ++row)
        across(table.rowLines[row]);
    painter.fillRect(
        QRect(QPoint(table.columnLine, table.headingLine + 1), QPoint(table.columnLine, inside.bottom)), lineColour);
}

void paintTable(QPainter& painter, const NumberTable& table)
{
    painter.fillRect(toQRect(table.frame), frameColour);
    painter.fillRect(toQRect(table.inside()), Qt::white);
    painter.fillRect(toQRect(table.headingCell()), headingColour);
    paintLines(painter, table);

    paintNumber(painter, table.heading, table.headingCell());
    for (int row = 0; row < table.rowCount; ++row)
        paintNumber(painter, table.rows[row].printed, table.cell(row, table.printedColumn(row)));
}

} // namespace

QImage drawWorksheet(int scale)
{
    return paintOnWhite(QSize(worksheet::PictureWidth, worksheet::PictureHeight), scale, [](QPainter& painter) {
        for (const NumberTable& table : worksheet::Tables)
            paintTable(painter, table);
    });
}

} // namespace sostav::draw
