#include "shell/Application.h"

#include "shell/Startup.h"

#include <cstdio>
#include <exception>

namespace sostav {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    platformOpened();
    setApplicationName(QStringLiteral("sostav"));
    setApplicationDisplayName(QStringLiteral("Состав числа"));
    setDesktopFileName(QStringLiteral("org.sostav.Sostav"));
    setQuitOnLastWindowClosed(false);
    setWindowIcon(builtInIcon());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "sostav: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "sostav: unexpected failure\n");
    }
    return false;
}

} // namespace sostav
