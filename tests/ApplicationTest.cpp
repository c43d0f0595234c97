#include "shell/Application.h"

#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace sostav;

// The application object itself: a failure inside one event must not end the program.
class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
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
