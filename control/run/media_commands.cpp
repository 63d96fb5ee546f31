// What the desktop's media interface asks beyond the key table: play and
// pause on their own, a jump to a place in the tip, the position now.
#include <algorithm>

#include "base/saturating.h"
#include "control/run/controller.h"

namespace cuedeck {

// The player is asked its state once: a pedal's play or pause sends what
// the Play/Pause key sends.
void Controller::play()
{
    reach_player();
    if (const auto state = m_player.play_state(); state && *state != play_state::playing)
        play_pause_from(*state);
}

void Controller::pause()
{
    reach_player();
    if (const auto state = m_player.play_state(); state && *state == play_state::playing)
        play_pause_from(*state);
}

void Controller::jump_within_tip(int position_ms)
{
    reach_player();
    const int end = saturating_mul(std::max(m_last_status.track_length_s, 0), 1000);
    m_player.jump_to(std::clamp(position_ms, 0, end));
    refresh();
}

int Controller::position_now()
{
    const auto position = m_player.told_position();
    return std::max(position.value_or(m_last_status.position_ms), 0);
}

} // namespace cuedeck
