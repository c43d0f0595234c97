#pragma once

#include <QString>
#include <QVariantMap>

#include <cstdint>

namespace sostav {

// What a launcher hands the program it starts so that the window it leads to may take the
// keyboard focus from whatever the child was busy with: on X11 a startup notification id
// that carries the time of the click, on Wayland a token the compositor gave out.
struct Launch {
    QString startupId;
    QString activationToken;

    // Read before the application object is built: Qt's platform plugins take them from the
    // environment as they come up.
    static Launch fromEnvironment();
    // How a start hands them on to the program already running, by the desktop's names.
    static Launch fromPlatformData(const QVariantMap& platformData);
    QVariantMap platformData() const;

    // The X server time of the click that started it, 0 where the launcher gave none.
    std::uint32_t launcherTime() const;
};

} // namespace sostav
