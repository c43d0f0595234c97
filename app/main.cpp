#include "app/AllScreens.h"
#include "app/VerdictCues.h"
#include "shell/Application.h"
#include "shell/CueModule.h"
#include "shell/Launch.h"
#include "shell/ProgramService.h"
#include "shell/ScreenRegistry.h"
#include "shell/SessionBus.h"
#include "shell/Startup.h"

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace sostav;
    if (!displayAvailable()) {
        std::fputs("sostav: cannot start: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n", stderr);
        return 1;
    }
    const Launch launch = Launch::fromEnvironment();
    leaveSilentSessionBus();
    installFatalHandler();
    Application app(argc, argv);
    ProgramService service;
    if (!service.claim(launch))
        return 0; // the program already running in this session came to the front instead
    ScreenRegistry registry(makeScreen);
    CueModule cues; // nothing of the sound system is loaded before the first check
    voiceVerdicts(registry, cues);
    QObject::connect(&service, &ProgramService::activationRequested, &registry, &ScreenRegistry::bringToFront);
    QObject::connect(&registry, &ScreenRegistry::programEnded, &app, [] { QCoreApplication::exit(0); });
    registry.start();
    return app.exec();
}
