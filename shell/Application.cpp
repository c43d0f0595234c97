#include "shell/Application.h"

#include "shell/Startup.h"
#include "shell/WindowIcon.h"

#include <QLibraryInfo>
#include <QTranslator>

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

} // namespace sostav
