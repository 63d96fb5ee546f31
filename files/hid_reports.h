#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "files/input_events.h"

namespace cuedeck {

/// A HID device's input reports as Windows reads them (and as a pipe that
/// stands in for the device carries them): each `length` bytes long, the
/// report's ID first (0 for a device that has none), then its data, whose
/// bits are the buttons down: bit 0 of the first data byte is the first
/// button. A transcription pedal such as the VEC Infinity (USB 05f3:00ff)
/// sends three bytes: 0, then 1 for the left pedal, 2 the middle, 4 the
/// right, added up, then 0.
namespace hid_report {
/// The code of the first button; the next ones count up from it, as Linux
/// numbers a HID device's buttons (BTN_0 is 256), so that the settings'
/// codes name the same pedals on both.
inline constexpr int first_button = 256;
/// The VEC pedal's report, and the report a pipe carries.
inline constexpr std::size_t pedal_length = 3;
/// The VEC pedal's own buttons, left, middle and right.
inline constexpr int pedal_buttons[3] = {first_button, first_button + 1, first_button + 2};
} // namespace hid_report

/// Cuts a device's reports out of the bytes read and tells which buttons
/// changed since the report before (with the same ID); a read may end
/// inside a report, whose rest comes with the next.
class HidReportReader
{
public:
    /// `length`: the device's input report length, its ID byte included (at least 2).
    explicit HidReportReader(std::size_t length = hid_report::pedal_length);

    std::vector<ButtonChange> feed(std::string_view bytes);

private:
    std::size_t m_length;
    std::string m_partial;
    std::map<std::uint8_t, std::string> m_before; ///< the last report of each ID
};

} // namespace cuedeck
