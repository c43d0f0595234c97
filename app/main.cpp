#include "app/AllScreens.h"
#include "shell/Application.h"
#include "shell/Startup.h"

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace sostav;
    if (!displayAvailable()) {
        std::fputs("sostav: cannot start: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n", stderr);
        return 1;
    }
    installFatalHandler();
    Application app(argc, argv);
    ScreenRegistry registry(allScreens());
    QObject::connect(&registry, &ScreenRegistry::programEnded, &app, [] { QCoreApplication::exit(0); });
    registry.start();
    return app.exec();
}
