// What the eye would notice in the drawn pictures, as designed and in their twins for
// dense displays: lines as thin as drawn, digits centred, faces in their colours.
#include "exercises/WorksheetGrid.h"

#include <QImage>
#include <QtTest>

using namespace sostav::worksheet;

namespace {

// JPEG leaves a few levels of noise beside sharp edges; these thresholds allow for it.
const auto ink = [](QRgb p) { return qGray(p) < 110; };
const auto line = [](QRgb p) { return qGray(p) < 200; }; // the grey lines
const auto paper = [](QRgb p) { return qMin(qRed(p), qMin(qGreen(p), qBlue(p))) >= 235; };

struct Picture {
    QImage image;
    int scale;

    Picture(const char* name, int scale)
        : image(QStringLiteral(SOSTAV_ASSETS "/%1%2.jpg").arg(name, scale == 1 ? "" : "@2x"))
        , scale(scale)
    {
    }
    // Whether every device pixel of the picture pixel at x, y passes.
    template <typename Test> bool all(int x, int y, Test test) const
    {
        for (int dy = 0; dy < scale; ++dy)
            for (int dx = 0; dx < scale; ++dx)
                if (!test(image.pixel(x * scale + dx, y * scale + dy)))
                    return false;
        return true;
    }
    // The centre of the inked pixels inside a rectangle of picture pixels, in picture pixels.
    QPointF inkCentre(int left, int top, int right, int bottom) const
    {
        QRect found;
        for (int y = top * scale; y < (bottom + 1) * scale; ++y)
            for (int x = left * scale; x < (right + 1) * scale; ++x)
                if (ink(image.pixel(x, y)))
                    found |= QRect(x, y, 1, 1);
        return QRectF(found).center() / scale;
    }
};

bool centred(QPointF ink, const PixelRect& cell)
{
    const QPointF centre((cell.left + cell.right + 1) / 2.0, (cell.top + cell.bottom + 1) / 2.0);
    return qAbs(ink.x() - centre.x()) <= 2 && qAbs(ink.y() - centre.y()) <= 2;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("as designed") << 1;
        QTest::newRow("twin for dense displays") << 2;
    }

    void worksheetLinesAndDigits()
    {
        QFETCH_GLOBAL(int, scale);
        const Picture p("worksheet", scale);
        for (const NumberTable& table : Tables) {
            const PixelRect in = table.inside();
            const int x = (in.left + table.columnLine) / 2;
            // The frame is two pixels of black with paper on either side.
            QVERIFY(p.all(x, table.frame.top, ink) && p.all(x, table.frame.top + 1, ink));
            QVERIFY(p.all(x, table.frame.top - 1, paper) && p.all(x, in.top, [](QRgb c) { return !ink(c); }));
            for (int row = 0; row < table.rowCount; ++row) {
                const PixelRect printed = table.cell(row, table.printedColumn(row));
                const PixelRect blank = table.blankCell(row);
                const int y = (blank.top + blank.bottom) / 2;
                // One pixel of grey between the columns and above each row, paper beside it.
                QVERIFY(p.all(table.columnLine, y, line));
                QVERIFY(p.all(table.columnLine - 1, y, paper) && p.all(table.columnLine + 1, y, paper));
                QVERIFY(p.all(x, blank.top - 1, line) && p.all(x, blank.top, paper));
                QVERIFY(row == 0 || p.all(x, blank.top - 2, paper)); // the first row's line has the heading above
                QVERIFY(centred(
                    p.inkCentre(printed.left + 2, printed.top + 2, printed.right - 2, printed.bottom - 2), printed));
                QVERIFY(p.all((blank.left + blank.right) / 2, y, paper));
            }
            const PixelRect heading = table.headingCell();
            QVERIFY(centred(
                p.inkCentre(heading.left + 2, heading.top + 2, heading.right - 2, heading.bottom - 2), heading));
        }
    }

    void facesInTheirColours()
    {
        QFETCH_GLOBAL(int, scale);
        for (const char* name : {"smile", "surprised"}) {
            const Picture p(name, scale);
            const QRgb cheek = p.image.pixel(p.image.width() / 4, p.image.height() / 2);
            QVERIFY2(qRed(cheek) > 200 && qGreen(cheek) > 180 && qBlue(cheek) < 120, name); // yellow
            QVERIFY(p.all(1, 1, paper));
        }
    }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "PicturesTest.moc"
