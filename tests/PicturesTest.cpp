// What the screens rely on in the built-in pictures, each as designed and as its twin for dense displays.
#include <QImageReader>
#include <QtTest>

namespace {

using PixelTest = bool (*)(QRgb);
// JPEG leaves a few levels of noise beside sharp edges; these thresholds allow for it.
constexpr PixelTest Ink = [](QRgb p) { return qGray(p) < 110; };
constexpr PixelTest InkOrShade = [](QRgb p) { return qGray(p) < 200; };
constexpr PixelTest Paper = [](QRgb p) { return qMin(qRed(p), qMin(qGreen(p), qBlue(p))) >= 235; };
constexpr PixelTest Magenta = [](QRgb p) { return qRed(p) > 225 && qBlue(p) > 225 && qAbs(qGreen(p) - 128) < 35; };

// A picture at one scale; areas are given in the picture pixels of scale 1.
struct Picture {
    QString name;
    int scale;
    QImage image = QImageReader(QStringLiteral(SOSTAV_ASSETS "/%1%2.jpg").arg(name, scale == 1 ? "" : "@2x")).read();

    QRect scaled(const QRect& area) const { return QRect(area.topLeft() * scale, area.size() * scale); }
    // The smallest rectangle, in the image's pixels, around the pixels of `area` that pass or fail.
    QRect bounds(const QRect& area, PixelTest test, bool pass = true) const
    {
        QRect found;
        for (int y = area.top() * scale; y < (area.bottom() + 1) * scale; ++y)
            for (int x = area.left() * scale; x < (area.right() + 1) * scale; ++x)
                found |= test(image.pixel(x, y)) == pass ? QRect(x, y, 1, 1) : QRect();
        return found;
    }
    bool all(const QRect& area, PixelTest test) const { return bounds(area, test, false).isNull(); }
};

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

    void sizesAndCorners_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("ten") << QSize(111, 97);
        QTest::newRow("smile") << QSize(212, 212);
        QTest::newRow("surprised") << QSize(205, 213);
        QTest::newRow("worksheet") << QSize(715, 538);
    }

    // The twin is exactly twice the size; every corner is white paper.
    void sizesAndCorners()
    {
        QFETCH_GLOBAL(int, scale);
        QFETCH(QSize, size);
        const Picture p {QTest::currentDataTag(), scale};
        QCOMPARE(p.image.size(), size * scale);
        const int w = size.width() - 4, h = size.height() - 4;
        for (const QPoint& at : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
            QVERIFY(p.all(QRect(at, QSize(4, 4)), Paper));
        // The surprised face alone declares 72 dpi, and its twin twice that.
        if (p.name == "surprised")
            QCOMPARE(QSize(p.image.dotsPerMeterX(), p.image.dotsPerMeterY()) * 0.0254, QSize(72, 72) * scale);
    }

    // The "1" fills columns 2..30, the "0" 56..106, both rows 13..92; around them lies faint noise at most.
    void tenInkBounds()
    {
        QFETCH_GLOBAL(int, scale);
        const Picture ten {"ten", scale};
        for (PixelTest test : {Ink, InkOrShade}) {
            QCOMPARE(ten.bounds(QRect(0, 0, 43, 97), test), ten.scaled(QRect(QPoint(2, 13), QPoint(30, 92))));
            QCOMPARE(ten.bounds(QRect(43, 0, 68, 97), test), ten.scaled(QRect(QPoint(56, 13), QPoint(106, 92))));
        }
    }

    // Each number table: its 2 px frame, inclusive, the line between its columns, and the lines
    // under the heading and between the rows. Numbers print left in odd rows, right in even ones.
    void worksheet_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<int>("column");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("table 8") << QRect(QPoint(26, 102), QPoint(192, 529)) << 109 << QList {188, 273, 358, 444};
        QTest::newRow("table 10") << QRect(QPoint(268, 11), QPoint(434, 523)) << 351 << QList {97, 182, 268, 352, 438};
        QTest::newRow("table 9") << QRect(QPoint(522, 96), QPoint(688, 523)) << 605 << QList {181, 267, 352, 437};
    }

    void worksheet()
    {
        QFETCH_GLOBAL(int, scale);
        QFETCH(QRect, frame);
        QFETCH(int, column);
        QFETCH(QList<int>, lines);
        const Picture p {"worksheet", scale};
        const int x = (frame.left() + column) / 2, y = (lines[0] + lines[1]) / 2;
        // A 2 px black frame with white paper right beside: sharp at either size, unlike an enlargement.
        QVERIFY(p.all(QRect(x, frame.top(), 1, 2), Ink) && p.all(QRect(x, frame.top() - 1, 1, 1), Paper));
        QVERIFY(p.all(QRect(x, frame.bottom() - 1, 1, 2), Ink) && p.all(QRect(x, frame.bottom() + 1, 1, 1), Paper));
        QVERIFY(p.all(QRect(frame.left(), y, 2, 1), Ink) && p.all(QRect(frame.left() - 1, y, 1, 1), Paper));
        QVERIFY(p.all(QRect(frame.right() - 1, y, 2, 1), Ink) && p.all(QRect(frame.right() + 1, y, 1, 1), Paper));
        // The heading cell is magenta in its corners, clear of the number it holds.
        const QRect inside = frame.adjusted(2, 2, -2, -2);
        const QRect heading(inside.topLeft(), QPoint(inside.right(), lines[0] - 1));
        QVERIFY(p.all(QRect(heading.topLeft() + QPoint(5, 5), QSize(3, 3)), Magenta));
        QVERIFY(p.all(QRect(heading.bottomRight() - QPoint(7, 7), QSize(3, 3)), Magenta));
        // A printed number is about 42 px tall and centred in its cell.
        const auto printed = [&](const QRect& cell) {
            const QRect ink = p.bounds(cell.adjusted(2, 2, -2, -2), Ink).translated(0, -p.scaled(cell).center().y());
            return qMin(-ink.top(), ink.bottom()) >= 17 * scale && qMax(-ink.top(), ink.bottom()) < 25 * scale;
        };
        QVERIFY(printed(heading));
        // Each row, under its line, prints a number in one cell and leaves the other, where an answer box lies, white.
        lines << inside.bottom() + 1;
        for (int row = 0; row + 1 < lines.size(); ++row) {
            const QRect left(QPoint(inside.left(), lines[row] + 1), QPoint(column - 1, lines[row + 1] - 1));
            const QRect right(QPoint(column + 1, left.top()), QPoint(inside.right(), left.bottom()));
            QVERIFY(printed(row % 2 ? right : left) && p.all((row % 2 ? left : right).adjusted(2, 2, -2, -2), Paper));
            QVERIFY(p.all(QRect(right.center().x(), lines[row], 1, 1), InkOrShade));
        }
    }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "PicturesTest.moc"
