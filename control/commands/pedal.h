#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "files/settings_format.h"

namespace cuedeck {

enum class Pedal { Left, Middle, Right };

/// What a pedal asks of the run; each is a command the keys have too.
enum class PedalAction { Play, Pause, PlayPause, Back, Forward };

/// Turns pedal presses and releases into actions: the middle pedal plays
/// while down (or toggles), the side pedals skip once on the press and again
/// at each repeat while held.
class PedalLogic
{
public:
    /// How often a held side pedal skips again.
    static constexpr int repeat_ms = 500;

    PedalLogic(const std::array<int, 3>& codes, PedalMode mode) : m_codes(codes), m_mode(mode) {}

    /// A button went down or up: the action to take now, if any. A change
    /// to the state a button is already in (a repeat, a state read after a
    /// lost stretch) does nothing.
    std::optional<PedalAction> change(int code, bool down);
    /// The repeat timer fired: the held side pedal's action again.
    std::optional<PedalAction> repeat() const;
    /// Whether a side pedal is held, so that the repeat timer should run.
    bool repeating() const;
    /// Everything let go (the pedal was unplugged): the middle pedal's
    /// release, if it was down in hold mode.
    std::optional<PedalAction> release_all();

private:
    std::optional<Pedal> pedal_of(int code) const;

    friend bool operator==(const PedalLogic& a, const PedalLogic& b)
    {
        return a.m_codes == b.m_codes && a.m_mode == b.m_mode;
    }

    std::array<int, 3> m_codes;
    PedalMode m_mode;
    std::array<bool, 3> m_down{};
};

} // namespace cuedeck
