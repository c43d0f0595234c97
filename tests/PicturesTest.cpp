// The built-in pictures: their sizes and declared densities, and the parts of each drawing
// that the screens depend on (the ink box of "10", the worksheet's cells under the answer
// boxes). Every drawing check runs on the picture and on its twice-as-large twin for dense displays.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtTest>

#include <functional>

namespace {

using PixelTest = std::function<bool(QRgb)>;

// JPEG leaves a few levels of noise beside sharp edges; these thresholds allow for it.
const PixelTest ink = [](QRgb p) { return qGray(p) < 110; };
const PixelTest inkOrShade = [](QRgb p) { return qGray(p) < 200; };
const PixelTest paperWhite = [](QRgb p) { return qMin(qRed(p), qMin(qGreen(p), qBlue(p))) >= 235; };
const PixelTest magenta = [](QRgb p) { return qRed(p) > 225 && qBlue(p) > 225 && qAbs(qGreen(p) - 128) < 35; };

QString twin(const QString& name, int scale)
{
    return name + (scale == 1 ? QStringLiteral(".jpg") : QStringLiteral("@2x.jpg"));
}

QImage picture(const QString& name, int scale)
{
    return QImageReader(QStringLiteral(":/pictures/") + twin(name, scale)).read();
}

QRect scaled(const QRect& r, int scale)
{
    return QRect(r.topLeft() * scale, r.size() * scale);
}

int count(const QImage& image, const QRect& area, const PixelTest& test)
{
    int hits = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            hits += test(image.pixel(x, y)) ? 1 : 0;
    return hits;
}

bool all(const QImage& image, const QRect& area, const PixelTest& test)
{
    return count(image, area, test) == area.width() * area.height();
}

// One number table of the worksheet in picture pixels, inclusive; the frame is 2 px thick.
struct Table {
    const char* name;
    int left, right, top, bottom, headingLine;
    QList<int> rowLines;
    int columnLine;

    QRect heading() const { return QRect(QPoint(left + 2, top + 2), QPoint(right - 2, headingLine - 1)); }
    QRect cell(int row, bool onRight) const
    {
        const int cellTop = row == 0 ? headingLine + 1 : rowLines[row - 1] + 1;
        const int cellBottom = row < rowLines.size() ? rowLines[row] - 1 : bottom - 2;
        return onRight ? QRect(QPoint(columnLine + 1, cellTop), QPoint(right - 2, cellBottom))
                       : QRect(QPoint(left + 2, cellTop), QPoint(columnLine - 1, cellBottom));
    }
    // The printed part stands in the left cell of rows 1, 3 and 5, in the right cell of rows 2 and 4.
    QRect printedCell(int row) const { return cell(row, row % 2 == 1); }
};

const QList<Table> tables {
    {"8", 26, 192, 102, 529, 188, {273, 358, 444}, 109},
    {"10", 268, 434, 11, 523, 97, {182, 268, 352, 438}, 351},
    {"9", 522, 688, 96, 523, 181, {267, 352, 437}, 605},
};

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(assets);
        QVERIFY(!picture(QStringLiteral("ten"), 1).isNull());
    }

    void sizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("picture of 10") << "ten" << QSize(111, 97);
        QTest::newRow("smiling face") << "smile" << QSize(212, 212);
        QTest::newRow("surprised face") << "surprised" << QSize(205, 213);
        QTest::newRow("worksheet") << "worksheet" << QSize(715, 538);
    }

    void sizes()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(picture(name, 1).size(), size);
        // The dense twin is drawn at exactly twice the size, so it lands on the same logical pixels.
        QCOMPARE(picture(name, 2).size(), size * 2);
    }

    void declaredDensity_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("dotsPerInch");
        QTest::newRow("surprised face declares 72 dpi") << 1 << 72;
        QTest::newRow("its dense twin declares twice that") << 2 << 144;
    }

    void declaredDensity()
    {
        QFETCH(int, scale);
        QFETCH(int, dotsPerInch);
        QFile jpeg(QStringLiteral(":/pictures/") + twin(QStringLiteral("surprised"), scale));
        QVERIFY(jpeg.open(QIODevice::ReadOnly));
        // JFIF APP0 right after the start marker: "JFIF\0", version, units (1 = per inch), X and Y density.
        const QByteArray head = jpeg.read(18);
        QCOMPARE(head.left(4), QByteArray("\xFF\xD8\xFF\xE0", 4));
        QCOMPARE(head.mid(6, 5), QByteArray("JFIF\0", 5));
        QCOMPARE(int(head[13]), 1);
        QCOMPARE((uchar(head[14]) << 8) | uchar(head[15]), dotsPerInch);
        QCOMPARE((uchar(head[16]) << 8) | uchar(head[17]), dotsPerInch);
    }

    void whiteCorners_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("scale");
        for (const QString& name : QStringList {"ten", "smile", "surprised", "worksheet"})
            for (const int scale : {1, 2})
                QTest::newRow(qPrintable(twin(name, scale))) << name << scale;
    }

    void whiteCorners()
    {
        QFETCH(QString, name);
        QFETCH(int, scale);
        const QImage image = picture(name, scale);
        const int w = image.width() - 4, h = image.height() - 4;
        for (const QPoint& at : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
            QVERIFY2(all(image, QRect(at, QSize(4, 4)), paperWhite),
                qPrintable(QStringLiteral("corner %1,%2").arg(at.x()).arg(at.y())));
    }

    void tenInkBox_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("ten.jpg") << 1;
        QTest::newRow("ten@2x.jpg") << 2;
    }

    void tenInkBox()
    {
        QFETCH(int, scale);
        const QImage image = picture(QStringLiteral("ten"), scale);
        QVERIFY(!image.isNull());
        // The "1" fills columns 2..30, the "0" columns 56..106, both rows 13..92.
        const QRect one = scaled(QRect(QPoint(2, 13), QPoint(30, 92)), scale);
        const QRect zero = scaled(QRect(QPoint(56, 13), QPoint(106, 92)), scale);
        // Nothing darker than faint JPEG noise outside the two boxes, the gap between them included.
        QPoint stray(-1, -1);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!one.contains(x, y) && !zero.contains(x, y) && inkOrShade(image.pixel(x, y)) && stray.x() < 0)
                    stray = QPoint(x, y);
        QVERIFY2(stray.x() < 0, qPrintable(QStringLiteral("ink at %1,%2").arg(stray.x()).arg(stray.y())));
        // Each digit reaches every edge of its box.
        for (const QRect& box : {one, zero})
            for (const QRect& edge :
                {QRect(box.left(), box.top(), 1, box.height()), QRect(box.right(), box.top(), 1, box.height()),
                    QRect(box.left(), box.top(), box.width(), 1), QRect(box.left(), box.bottom(), box.width(), 1)})
                QVERIFY(count(image, edge, ink) > 0);
    }

    void worksheetTables_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("table");
        for (int t = 0; t < tables.size(); ++t)
            for (const int scale : {1, 2})
                QTest::newRow(qPrintable(QStringLiteral("table of %1 @%2x").arg(tables[t].name).arg(scale)))
                    << scale << t;
    }

    void worksheetTables()
    {
        QFETCH(int, scale);
        QFETCH(int, table);
        const QImage image = picture(QStringLiteral("worksheet"), scale);
        const Table& t = tables[table];
        const auto pixel = [scale](int x, int y) { return scaled(QRect(x, y, 1, 1), scale); };
        const int midX = (t.left + t.columnLine) / 2;
        const int midY = (t.headingLine + t.rowLines.first()) / 2;
        // Both pixels of the 2 px frame are black on every side, and the paper right beside it is
        // white: the edge is sharp at either size, as it would not be in an enlarged copy.
        for (const int y : {t.top, t.top + 1, t.bottom - 1, t.bottom})
            QVERIFY2(all(image, pixel(midX, y), ink), qPrintable(QStringLiteral("frame at y %1").arg(y)));
        for (const int x : {t.left, t.left + 1, t.right - 1, t.right})
            QVERIFY2(all(image, pixel(x, midY), ink), qPrintable(QStringLiteral("frame at x %1").arg(x)));
        for (const QRect& beside :
            {pixel(midX, t.top - 1), pixel(midX, t.bottom + 1), pixel(t.left - 1, midY), pixel(t.right + 1, midY)})
            QVERIFY(all(image, beside, paperWhite));
        // The thin grey lines run exactly where the cells meet.
        for (const int y : QList<int> {t.headingLine} + t.rowLines)
            QVERIFY2(all(image, pixel((t.columnLine + t.right) / 2, y), inkOrShade),
                qPrintable(QStringLiteral("line at y %1").arg(y)));
        QVERIFY(all(image, pixel(t.columnLine, t.rowLines.first() + 3), inkOrShade));
        // The corners of the heading cell, clear of the number, are filled magenta.
        const QRect heading = scaled(t.heading(), scale).adjusted(5 * scale, 5 * scale, -7 * scale, -7 * scale);
        for (const QPoint& at : {heading.topLeft(), heading.topRight(), heading.bottomLeft(), heading.bottomRight()})
            QVERIFY(all(image, QRect(at, QSize(3, 3) * scale), magenta));
    }

    void answerBoxesLieOnWhite_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QPoint>("twips");
        // Left and top of the worksheet screen's answer boxes; the picture sits at 480, 840 twips.
        const QList<QPoint> boxes {{2400, 3840}, {1200, 5160}, {2400, 6360}, {1200, 7680}, {6000, 2520}, {4800, 3840},
            {6000, 5040}, {4800, 6360}, {6000, 7680}, {9840, 3840}, {8640, 5040}, {9840, 6360}, {8640, 7560}};
        for (int i = 0; i < boxes.size(); ++i)
            for (const int scale : {1, 2})
                QTest::newRow(qPrintable(QStringLiteral("Text%1 @%2x").arg(i + 1).arg(scale))) << scale << boxes[i];
    }

    void answerBoxesLieOnWhite()
    {
        QFETCH(int, scale);
        QFETCH(QPoint, twips);
        const QImage image = picture(QStringLiteral("worksheet"), scale);
        const QRect box((twips.x() - 480) / 15, (twips.y() - 840) / 15, 735 / 15, 855 / 15);
        // The box and a 2 px margin around it show nothing but white paper: no line, digit or frame.
        QVERIFY(all(image, scaled(box.adjusted(-2, -2, 2, 2), scale), paperWhite));
    }

    void printedNumbersHaveInk_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QRect>("cell");
        for (const Table& t : tables)
            for (const int scale : {1, 2}) {
                const QString suffix = QStringLiteral(" @%1x").arg(scale);
                QTest::newRow(qPrintable(QStringLiteral("heading %1").arg(t.name) + suffix)) << scale << t.heading();
                for (int row = 0; row <= t.rowLines.size(); ++row)
                    QTest::newRow(qPrintable(QStringLiteral("table of %1 row %2").arg(t.name).arg(row + 1) + suffix))
                        << scale << t.printedCell(row);
            }
    }

    void printedNumbersHaveInk()
    {
        QFETCH(int, scale);
        QFETCH(QRect, cell);
        const QImage image = picture(QStringLiteral("worksheet"), scale);
        const QRect inner = scaled(cell, scale).adjusted(2 * scale, 2 * scale, -2 * scale, -2 * scale);
        const int centreY = scaled(cell, scale).center().y();
        const auto band = [&](int from, int to) {
            return QRect(QPoint(inner.left(), qMax(inner.top(), centreY + from * scale)),
                QPoint(inner.right(), qMin(inner.bottom(), centreY + to * scale)));
        };
        // A number about 42 px tall centred in its cell: ink at the centre and near both ends of
        // that height, and none further out towards the cell's lines.
        QVERIFY(count(image, QRect(scaled(cell, scale).center() - QPoint(10, 10) * scale, QSize(21, 21) * scale), ink));
        QVERIFY(count(image, band(-21, -17), ink) > 0);
        QVERIFY(count(image, band(17, 21), ink) > 0);
        QCOMPARE(count(image, band(-99, -25), ink), 0);
        QCOMPARE(count(image, band(25, 99), ink), 0);
    }

    void icons_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QStringLiteral("icon-%1.png").arg(size))) << size;
    }

    void icons()
    {
        QFETCH(int, size);
        const QImage icon = QImageReader(QStringLiteral(":/icons/icon-%1.png").arg(size)).read();
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
        // A rounded tile: the very corner is transparent, the middle opaque.
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "PicturesTest.moc"
