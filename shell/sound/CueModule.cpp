// The sound module: everything of Qt Multimedia and the sound server that the program uses,
// kept out of the program itself so that none of it is loaded before the first check.

#include "shell/sound/CueModule.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

// How the program's stream is named in the desktop's sound mixer, where a teacher can turn
// this one program down. The sound server's client library takes these from the
// environment when Qt connects to the server.
void nameStreamForMixer()
{
    qputenv("PULSE_PROP_OVERRIDE_application.name", QByteArrayLiteral("Состав числа"));
    qputenv("PULSE_PROP_OVERRIDE_application.icon_name", QByteArrayLiteral("org.sostav.Sostav"));
}

// Whether the desktop has anywhere to play to. A machine without a sound server or without
// a device is an ordinary one for this program, so the warnings Qt prints while it finds
// that out are held back.
bool outputAvailable()
{
    const QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const bool available = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(previous);
    return available;
}

// The two cues, ready to start at once from the second check on.
class CuePlayer : public QObject {
public:
    explicit CuePlayer(QObject* parent)
        : QObject(parent)
        , m_right(cue("right"))
        , m_wrong(cue("wrong"))
    {
    }

    void play(bool right)
    {
        // The other cue, if it still sounds, rings out under this one: stopping it mid-way
        // would click. Qt 6.4 stops a cue that is asked to play while it plays, without
        // starting it again, so a repeated verdict restarts its cue explicitly.
        QSoundEffect* effect = right ? m_right : m_wrong;
        effect->stop();
        effect->play();
    }

private:
    QSoundEffect* cue(const char* name)
    {
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc:/cues/cue-%1.wav").arg(QLatin1String(name))));
        return effect;
    }

    QSoundEffect* m_right;
    QSoundEffect* m_wrong;
};

} // namespace

extern "C" Q_DECL_EXPORT void sostavPlayVerdictCue(bool right)
{
    // Looked at once: a desktop without sound stays silent for the program's whole run.
    static CuePlayer* const player = [] {
        nameStreamForMixer();
        return outputAvailable() ? new CuePlayer(QCoreApplication::instance()) : nullptr;
    }();
    if (player)
        player->play(right);
}
