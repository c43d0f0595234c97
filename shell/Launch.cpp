#include "shell/Launch.h"

namespace sostav {

namespace {

const QString StartupIdKey = QStringLiteral("desktop-startup-id");
const QString TokenKey = QStringLiteral("activation-token");

} // namespace

Launch Launch::fromEnvironment()
{
    return {qEnvironmentVariable("DESKTOP_STARTUP_ID"), qEnvironmentVariable("XDG_ACTIVATION_TOKEN")};
}

Launch Launch::fromPlatformData(const QVariantMap& platformData)
{
    return {platformData.value(StartupIdKey).toString(), platformData.value(TokenKey).toString()};
}

QVariantMap Launch::platformData() const
{
    QVariantMap data;
    if (!startupId.isEmpty())
        data.insert(StartupIdKey, startupId);
    if (!activationToken.isEmpty())
        data.insert(TokenKey, activationToken);
    return data;
}

std::uint32_t Launch::launcherTime() const
{
    // The startup notification convention ends the id with "_TIME" and the click's time.
    const qsizetype at = startupId.lastIndexOf(QLatin1String("_TIME"));
    if (at < 0)
        return 0;
    bool number = false;
    const std::uint32_t time = startupId.mid(at + 5).toUInt(&number);
    return number ? time : 0;
}

} // namespace sostav
