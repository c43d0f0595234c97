#include "WorksheetPicture.h"

#include "GlyphOutline.h"
#include "NumberTable.h"

#include <QPainter>

namespace sostav::draw {

namespace {

const QColor frameColour(0, 0, 0);
const QColor lineColour(150, 150, 150);
const QColor headingColour(255, 128, 255);

// The screen places the picture at 480, 840 twips, 15 twips to the pixel.
constexpr int pictureLeft = 480;
constexpr int pictureTop = 840;
constexpr int twipsPerPixel = 15;
constexpr QSize boxTwips(735, 855);
// Minimum white border kept between an answer box and its cell's lines.
constexpr int boxMargin = 3;

QPointF centreOf(const QRect& cell)
{
    return QPointF(cell.left() + cell.width() / 2.0, cell.top() + cell.height() / 2.0);
}

void paintNumber(QPainter& painter, int number, const QRect& cell)
{
    painter.fillPath(GlyphOutline::centred(QString::number(number), centreOf(cell), WorksheetPicture::digitHeight,
                         GlyphOutline::Weight::Regular),
        Qt::black);
}

void paintTable(QPainter& painter, const NumberTable& table)
{
    painter.fillRect(QRect(QPoint(table.left, table.top), QPoint(table.right, table.bottom)), frameColour);
    const int innerLeft = table.left + NumberTable::frameWidth;
    const int innerRight = table.right - NumberTable::frameWidth;
    painter.fillRect(QRect(QPoint(innerLeft, table.top + NumberTable::frameWidth),
                         QPoint(innerRight, table.bottom - NumberTable::frameWidth)),
        Qt::white);
    painter.fillRect(table.headingCell(), headingColour);
    painter.fillRect(QRect(innerLeft, table.headingLine, innerRight - innerLeft + 1, 1), lineColour);
    for (const int y : table.rowLines)
        painter.fillRect(QRect(innerLeft, y, innerRight - innerLeft + 1, 1), lineColour);
    painter.fillRect(QRect(QPoint(table.columnLine, table.headingLine + 1),
                         QPoint(table.columnLine, table.bottom - NumberTable::frameWidth)),
        lineColour);

    paintNumber(painter, table.heading, table.headingCell());
    for (int row = 0; row < table.rowCount(); ++row)
        paintNumber(
            painter, table.printed[static_cast<std::size_t>(row)], table.cell(row, NumberTable::printedOnRight(row)));
}

} // namespace

QImage WorksheetPicture::draw(int scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    for (const NumberTable& table : NumberTable::worksheet())
        paintTable(painter, table);
    return image;
}

std::vector<QRect> WorksheetPicture::answerBoxes()
{
    // Left and top of Text1 .. Text13 in twips, down the table of 8, then 10, then 9.
    static constexpr QPoint boxes[] = {{2400, 3840}, {1200, 5160}, {2400, 6360}, {1200, 7680}, {6000, 2520},
        {4800, 3840}, {6000, 5040}, {4800, 6360}, {6000, 7680}, {9840, 3840}, {8640, 5040}, {9840, 6360}, {8640, 7560}};
    std::vector<QRect> result;
    for (const QPoint& twips : boxes)
        result.emplace_back((twips.x() - pictureLeft) / twipsPerPixel, (twips.y() - pictureTop) / twipsPerPixel,
            boxTwips.width() / twipsPerPixel, boxTwips.height() / twipsPerPixel);
    return result;
}

bool WorksheetPicture::answerBoxesFit(QString& problem)
{
    const std::vector<QRect> boxes = answerBoxes();
    std::size_t next = 0;
    for (const NumberTable& table : NumberTable::worksheet()) {
        for (int row = 0; row < table.rowCount(); ++row, ++next) {
            const QRect blank = table.cell(row, !NumberTable::printedOnRight(row));
            const QRect box = boxes.at(next);
            if (!blank.adjusted(boxMargin, boxMargin, -boxMargin, -boxMargin).contains(box)) {
                problem = QStringLiteral("answer box %1 (%2,%3 %4x%5) is not inside blank cell %6,%7..%8,%9")
                              .arg(next + 1)
                              .arg(box.x())
                              .arg(box.y())
                              .arg(box.width())
                              .arg(box.height())
                              .arg(blank.left())
                              .arg(blank.top())
                              .arg(blank.right())
                              .arg(blank.bottom());
                return false;
            }
        }
    }
    if (next != boxes.size()) {
        problem = QStringLiteral("%1 blank cells for %2 answer boxes").arg(next).arg(boxes.size());
        return false;
    }
    return true;
}

} // namespace sostav::draw
