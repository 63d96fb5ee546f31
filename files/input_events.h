#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace cuedeck {

/// One record of a Linux input device (`struct input_event`): the time,
/// which the reader skips, then type, code and value.
struct InputEvent
{
    std::uint16_t type;
    std::uint16_t code;
    std::int32_t value;

    friend bool operator==(const InputEvent&, const InputEvent&) = default;
};

namespace input_event {
/// The record's size: two longs of time, then 2 + 2 + 4 bytes.
constexpr std::size_t size = 2 * sizeof(long) + 8;
constexpr std::uint16_t sync = 0x00; ///< EV_SYN
constexpr std::uint16_t key = 0x01;  ///< EV_KEY: buttons too
constexpr std::uint16_t sync_report = 0;
constexpr std::uint16_t sync_dropped = 3; ///< the device's queue overflowed
constexpr std::int32_t released = 0;
constexpr std::int32_t pressed = 1;
constexpr std::int32_t repeated = 2;
} // namespace input_event

/// Cuts a device's byte stream into records; a read may end inside one,
/// whose rest comes with the next.
class InputEventReader
{
public:
    std::vector<InputEvent> feed(std::string_view bytes);

private:
    std::vector<char> m_partial;
};

/// A button's change, as a pedal cares for it.
struct ButtonChange
{
    int code;
    bool down;

    friend bool operator==(const ButtonChange&, const ButtonChange&) = default;
};

/// The button presses and releases among `events`; repeats (the keyboard's
/// auto-repeat) and everything that is no button are left out, and so is
/// what comes from a SYN_DROPPED to the next report: `dropped` then tells
/// that the device's state must be asked.
std::vector<ButtonChange> button_changes(const std::vector<InputEvent>& events, bool& dropped);

/// A key's record, as a keypad cares for it: down, up, or held (the
/// device's own repeat, at the rate the keyboard repeats).
struct KeyRecord
{
    enum State { Up, Down, Held };
    int code;
    State state;

    friend bool operator==(const KeyRecord&, const KeyRecord&) = default;
};

/// The key records among `events`, repeats among them; as button_changes(),
/// nothing from a SYN_DROPPED to the next report, and `dropped` tells of it.
std::vector<KeyRecord> key_records(const std::vector<InputEvent>& events, bool& dropped);

} // namespace cuedeck
