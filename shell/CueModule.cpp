#include "shell/CueModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

#include <mutex>
#include <optional>
#include <thread>

namespace sostav {

struct CueModule::Loading {
    std::mutex mutex;
    bool begun = false;
    CuePlayer* player = nullptr;
    // The latest cue asked for while the module loads.
    std::optional<std::pair<Cue, std::chrono::steady_clock::time_point>> pending;

    void load();
};

namespace {

// Beside the program in the build folder; in its library folder once installed.
CuePlayer* loadPlayer(QString& reasons)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString& folder : {programFolder, programFolder + QStringLiteral("/" SOSTAV_CUE_MODULE_FOLDER)}) {
        const QString path = QDir::cleanPath(folder + QLatin1Char('/') + QLatin1String(CueModuleName));
        QPluginLoader loader(path);
        if (QObject* instance = loader.instance()) {
            instance->moveToThread(QCoreApplication::instance()->thread()); // this thread ends
            if (auto* player = qobject_cast<CuePlayer*>(instance))
                return player;
        }
        reasons += (reasons.isEmpty() ? QString() : QStringLiteral("; ")) + path + QStringLiteral(": ")
            + loader.errorString();
    }
    return nullptr;
}

} // namespace

void CueModule::Loading::load()
{
    QString reasons;
    CuePlayer* loaded = loadPlayer(reasons);
    if (!loaded)
        qWarning("sostav: no sound for the verdicts: %s", qUtf8Printable(reasons));
    const std::lock_guard lock(mutex);
    player = loaded;
    // Under the lock, so that a check made meanwhile is not heard before this older one.
    if (player && pending)
        player->play(pending->first, pending->second); // returns at once
    pending.reset();
}

CueModule::CueModule()
    : m_loading(std::make_shared<Loading>())
{
}

CueModule::~CueModule() = default;

void CueModule::play(Cue cue, std::chrono::steady_clock::time_point checkedAt)
{
    CuePlayer* player = nullptr;
    {
        const std::lock_guard lock(m_loading->mutex);
        if (!m_loading->begun) {
            m_loading->begun = true;
            m_loading->pending = {cue, checkedAt};
            // Never joined: the program does not wait for its sound, not even at its end.
            std::thread([loading = m_loading] { loading->load(); }).detach();
            return;
        }
        if (!m_loading->player)
            m_loading->pending = {cue, checkedAt}; // still loading, or failed: then never played
        player = m_loading->player;
    }
    if (player)
        player->play(cue, checkedAt); // returns at once
}

} // namespace sostav
