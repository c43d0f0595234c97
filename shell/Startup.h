#pragma once

// What has to be settled before and while the application object comes up.
namespace sostav {

// True when Qt has a display to open windows on (or a platform was chosen explicitly).
bool displayAvailable();

// Makes Qt's fatal start-up failures end the process with one line and status 1.
void installFatalHandler();
// From here on the platform's messages are ordinary ones again.
void platformOpened();

} // namespace sostav
