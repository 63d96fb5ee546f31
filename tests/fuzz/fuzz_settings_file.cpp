// Reads arbitrary bytes as the settings file; whatever was read, once written
// (when it can be) must read back to the same six values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "control/run_state.h"
#include "files/settings_file.h"
#include "files/text_lines.h"

using namespace cuedeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RunState first;
    SettingsFile::parse(std::string(reinterpret_cast<const char*>(data), size), first);
    if (has_line_break(first.tape_group_path) || has_line_break(first.sound_file))
        return 0; // such values are never written
    RunState second;
    SettingsFile::parse(SettingsFile::format(first), second);
    if (second.tape_group_path != first.tape_group_path || second.sound_file != first.sound_file ||
        second.sound_on != first.sound_on || second.tip_time != first.tip_time ||
        second.play_using != first.play_using || second.back_time != first.back_time)
        std::abort();
    return 0;
}
