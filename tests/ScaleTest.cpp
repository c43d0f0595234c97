#include "TestSupport.h"

#include <QImageReader>
#include <QLabel>

#include <memory>

using namespace sostav;
using namespace sostav::test;

// Run once at scale 1 and once with QT_SCALE_FACTOR=2: a dense display shows every screen
// at twice its size with sharp pictures, and scale 1 shows exactly the designed pictures.
class ScaleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScreenRegistry> m_registry;

private slots:
    void initTestCase() { muteOffscreenRaise(); }
    void init() { m_registry = std::make_unique<ScreenRegistry>(allScreens()); }
    void cleanup() { m_registry.reset(); }

    void screenRendersAtTheDisplayScale_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("pictures"); // image widget, resource name
        QTest::newRow("menu") << int(ScreenKind::Form1) << QStringList {};
        QTest::newRow("10") << int(ScreenKind::Form3) << QStringList {"Image1", "ten"};
        QTest::newRow("9") << int(ScreenKind::Form7) << QStringList {"Image2", "smile", "Image1", "surprised"};
        QTest::newRow("8") << int(ScreenKind::Form8) << QStringList {"Image2", "smile", "Image1", "surprised"};
        QTest::newRow("worksheet") << int(ScreenKind::Form6) << QStringList {"Image1", "worksheet"};
    }

    void screenRendersAtTheDisplayScale()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, pictures);
        const qreal scale = qApp->devicePixelRatio();
        QVERIFY(scale == 1.0 || scale == 2.0);
        Screen& screen = m_registry->obtain(ScreenKind(kind));
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));

        const QImage rendered = screen.grab().toImage();
        QCOMPARE(rendered.size(), screen.size() * scale);

        for (int i = 0; i < pictures.size(); i += 2) {
            auto* image = static_cast<QLabel*>(widgetOf(screen, pictures[i].toLatin1()));
            const QImage shown = image->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            const QString file = QStringLiteral(":/pictures/%1%2.jpg").arg(pictures[i + 1], scale > 1 ? "@2x" : "");
            const QImage designed = QImageReader(file).read().convertToFormat(QImage::Format_RGB32);
            // Exactly the picture drawn for this density, one picture pixel per device pixel.
            QCOMPARE(shown.size(), image->size() * scale);
            QVERIFY2(shown == designed, qPrintable(file));
            // ...and on screen, pixel for pixel where nothing covers it (faces wait for a check).
            if (!image->isVisible())
                continue;
            const QPoint probe = image->geometry().topLeft() + QPoint(image->width() / 2, 4);
            QCOMPARE(rendered.pixelColor(probe * scale), designed.pixelColor(QPoint(image->width() / 2, 4) * scale));
        }

        // Captions are drawn at the device's resolution: text edges at scale 2 are made of
        // device pixels, not doubled logical ones.
        if (scale > 1 && kind == int(ScreenKind::Form1)) {
            const QRect caption = widgetOf(screen, "Command6")->geometry();
            int oddSteps = 0;
            for (int y = caption.top() * 2; y < caption.bottom() * 2; ++y)
                for (int x = caption.left() * 2; x < caption.right() * 2; x += 2)
                    oddSteps += rendered.pixel(x, y) != rendered.pixel(x + 1, y);
            QVERIFY2(oddSteps > 100, qPrintable(QString::number(oddSteps)));
        }
    }
};

QTEST_MAIN(ScaleTest)
#include "ScaleTest.moc"
