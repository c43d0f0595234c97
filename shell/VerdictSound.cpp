#include "shell/VerdictSound.h"

#include "shell/sound/CueModule.h"

#include <QCoreApplication>
#include <QLibrary>

namespace sostav {

namespace {

// Qt Multimedia and the sound server's client library bring some twenty libraries with
// them, a measurable share of the start-up. They live in a module loaded on the first
// check instead: next to the program in the build folder, in its own library folder once
// installed. Without it the program is silent and otherwise the same.
PlayCueFunction loadCueModule()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString& folder : {programFolder, programFolder + QStringLiteral("/" SOSTAV_CUE_MODULE_FOLDER)}) {
        QLibrary module(folder + QLatin1Char('/') + QLatin1String(CueModuleName));
        if (auto play = reinterpret_cast<PlayCueFunction>(module.resolve(PlayCueSymbol)))
            return play;
    }
    return nullptr;
}

} // namespace

void playVerdictCue(bool right)
{
    static const PlayCueFunction play = loadCueModule();
    if (play)
        play(right);
}

} // namespace sostav
