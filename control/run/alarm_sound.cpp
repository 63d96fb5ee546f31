#include "control/run/alarm_sound.h"

#include "system/system.h"

namespace cuedeck {

void AlarmSound::play(int method, const std::string& path)
{
    switch (method) {
    case Amovie:
        m_system.play_sound_detached(path);
        break;
    case Playsnd:
        m_system.play_sound_async(path);
        break;
    default:
        break;
    }
}

} // namespace cuedeck
