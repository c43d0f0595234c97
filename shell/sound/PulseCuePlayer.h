#pragma once

#include "shell/sound/CuePlayer.h"
#include "shell/sound/CueVoice.h"

#include <QObject>

namespace sostav {

// The sound module's player: the two cues built in, played through the sound server's own
// client library. Qt Multimedia 6.4 would wait for a stopped server on the calling thread,
// for good once the server has been away past its timeout, and would look for a server only
// once; each connection here is one voice's, and a voice that cannot get through is replaced.
class PulseCuePlayer : public QObject, public CuePlayer {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SostavCuePlayerIid)
    Q_INTERFACES(sostav::CuePlayer)

public:
    PulseCuePlayer();
    ~PulseCuePlayer() override;

    void play(Cue cue, Clock::time_point checkedAt) override;

private:
    const std::shared_ptr<const CueSounds> m_sounds;
    std::mutex m_mutex;
    std::shared_ptr<CueVoice> m_voice;
};

} // namespace sostav
