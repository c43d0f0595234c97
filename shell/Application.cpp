#include "shell/Application.h"

#include "shell/Startup.h"
#include "shell/WindowIcon.h"

#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <exception>

namespace sostav {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    platformOpened();
    setApplicationName(QStringLiteral("sostav"));
    setDesktopFileName(QStringLiteral("org.sostav.Sostav"));
    setQuitOnLastWindowClosed(false);
    setWindowIconAfterFirstPaint(*this);
    // The program speaks Russian whatever the desktop's language, Qt's own menus and
    // dialogs included.
    auto* qtRussian = new QTranslator(this);
    if (qtRussian->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtRussian);
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
