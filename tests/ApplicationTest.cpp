#include "shell/Application.h"

#include <QIcon>
#include <QImage>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace sostav;

// The application object itself: a failure inside one event must not end the program.
class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void windowIconMatchesTheDrawnIcon()
    {
        // The window icon is read from bare pixels; it must be the very picture the desktop
        // menu shows from the PNG files.
        const QIcon icon = QApplication::windowIcon();
        for (int size : {16, 32, 48, 64}) {
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));
            const QImage shown = icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            const QImage drawn
                = QImage(QStringLiteral(SOSTAV_ASSETS "/icon-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(shown, drawn);
        }
    }

    void exceptionStopsAtTheEventLoop()
    {
        bool afterwards = false;
        QTimer::singleShot(0, this, [] { throw std::runtime_error("a stray failure"); });
        QTimer::singleShot(0, this, [&afterwards] { afterwards = true; });
        QTRY_VERIFY(afterwards);
    }
};

int main(int argc, char** argv)
{
    Application app(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ApplicationTest.moc"
