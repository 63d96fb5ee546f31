// Reads arbitrary bytes as a device's input records (what a pedal, or a
// path that is none, brings), cut at any point: the same records whether
// they come in one read or two, every whole record read, and no button
// change that is a repeat; a keypad's key records are the same changes with
// the repeats among them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/input_events.h"

using namespace cuedeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    InputEventReader whole;
    const auto all = whole.feed(bytes);
    if (all.size() != size / input_event::size)
        std::abort();
    const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    InputEventReader split;
    auto parts = split.feed(bytes.substr(0, cut));
    const auto rest = split.feed(bytes.substr(cut));
    parts.insert(parts.end(), rest.begin(), rest.end());
    if (parts != all)
        std::abort();
    bool dropped = false;
    const auto changes = button_changes(all, dropped);
    std::size_t presses = 0;
    for (const InputEvent& event : all)
        presses += event.type == input_event::key && event.value != input_event::repeated;
    if (changes.size() > presses)
        std::abort();
    bool dropped_too = false;
    std::vector<ButtonChange> without_repeats;
    for (const KeyRecord& record : key_records(all, dropped_too)) {
        if (record.state != KeyRecord::Held)
            without_repeats.push_back({record.code, record.state == KeyRecord::Down});
    }
    if (without_repeats != changes || dropped_too != dropped)
        std::abort();
    return 0;
}
