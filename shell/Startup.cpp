#include "shell/Startup.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace sostav {

namespace {

QtMessageHandler qtHandler = nullptr;
bool starting = true;
QString platformProblem;
QStringList unreachable; // displays that refused the connection, as a person would name them
QString unknownPlatform; // asked for by name, and not among this Qt's platforms

// Qt reports a display that is not there in words of its own per platform, and for Wayland
// only as a plugin that "could not be loaded even though it was found", which sends a parent
// looking for a missing package; a platform misspelt in QT_QPA_PLATFORM ends in the same advice
// to reinstall the program.
bool noteCause(const QString& message)
{
    if (message.startsWith(QLatin1String("Failed to create wl_display"))) {
        unreachable << QStringLiteral("Wayland display ") + qEnvironmentVariable("WAYLAND_DISPLAY", "wayland-0");
        return true;
    }
    if (message.startsWith(QLatin1String("could not connect to display"))) {
        // Tried as a fallback where no X display was named, it says nothing worth passing on.
        if (const QString name = message.section(QLatin1Char(' '), -1); !name.isEmpty())
            unreachable << QStringLiteral("X display ") + name;
        return true;
    }
    if (message.startsWith(QLatin1String("Could not find the Qt platform plugin"))) {
        unknownPlatform = message.section(QLatin1Char('"'), 1, 1);
        return true;
    }
    return false;
}

// The fatal message's first line is Qt's generic advice; the cause is among what came before.
QString cause(const QString& fatal)
{
    if (!unknownPlatform.isEmpty())
        return QStringLiteral("there is no platform \"%1\" (QT_QPA_PLATFORM or -platform); this Qt has %2")
            .arg(unknownPlatform, fatal.section(QLatin1String("are: "), 1).trimmed());
    if (!unreachable.isEmpty())
        return QStringLiteral("could not connect to ") + unreachable.join(QLatin1String(" or "));
    return platformProblem.isEmpty() ? fatal.section(QLatin1Char('\n'), 0, 0) : platformProblem;
}

void reportFatal(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool platformMessage = context.category && std::string_view(context.category).starts_with("qt.qpa");
    if (type != QtFatalMsg) {
        // While the platform is being opened, its complaints are kept for the one line
        // below rather than printed as a cascade of internals.
        if (starting && (noteCause(message) || platformMessage)) {
            if (platformProblem.isEmpty())
                platformProblem = message;
            return;
        }
        if (qtHandler)
            qtHandler(type, context, message);
        return;
    }
    // Qt would abort and leave a core dump; a desktop without a usable display is an
    // ordinary situation that deserves one clear line instead.
    std::fprintf(stderr, "sostav: cannot open a window: %s\n", qPrintable(cause(message)));
    std::_Exit(1);
}

} // namespace

bool displayAvailable()
{
    const auto set = [](const char* name) { return !qEnvironmentVariableIsEmpty(name); };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

void installFatalHandler()
{
    qtHandler = qInstallMessageHandler(reportFatal);
}

void platformOpened()
{
    starting = false;
}

} // namespace sostav
