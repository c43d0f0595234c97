#include "shell/Application.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (!sostav::Application::displayAvailable()) {
        std::fputs("sostav: cannot start: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n", stderr);
        return 1;
    }
    sostav::Application::installFatalHandler();
    sostav::Application app(argc, argv);
    return app.run();
}
