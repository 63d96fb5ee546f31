#include "control/settings_file.h"

#include "control/global_keys.h"
#include "control/pedal.h"
#include "control/run_state.h"
#include "control/speed.h"
#include "files/settings_format.h"
#include "system/system.h"

namespace cuedeck {

namespace {

Settings settings_of(const RunState& state)
{
    const std::optional<int> speed =
        state.speed_control ? std::optional<int>(state.speed) : std::nullopt;
    return {state.tape_group_path,
            state.sound_on,
            state.sound_file,
            state.tip_time,
            state.play_using,
            state.back_time,
            speed,
            state.global_keys,
            state.pedal_device,
            state.pedal_buttons,
            state.pedal_mode};
}

void apply(const Settings& settings, RunState& state)
{
    state.tape_group_path = settings.open_file;
    state.sound_on = settings.sound_on;
    state.sound_file = settings.sound_file;
    state.tip_time = settings.tip_time;
    state.play_using = settings.play_using;
    state.back_time = settings.back_time;
    state.global_keys = int(global_keys_from(settings.global_keys));
    state.pedal_device = settings.pedal_device;
    state.pedal_buttons = settings.pedal_buttons;
    state.pedal_mode = int(pedal_mode_from(settings.pedal_mode));
    state.speed = speed::checked(settings.speed.value_or(speed::normal));
}

} // namespace

std::string SettingsFile::path(const RunState& state) const
{
    const std::string folder = m_system.settings_directory();
    return (folder.empty() ? state.exe_directory : folder) + file_name;
}

void SettingsFile::read(RunState& state)
{
    auto text = m_system.read_file(path(state));
    if (!text && !m_system.settings_directory().empty())
        text = m_system.read_file(state.exe_directory + file_name);
    if (!text)
        return;
    Settings settings = settings_of(state);
    parse_settings(*text, settings);
    apply(settings, state);
}

Written SettingsFile::write(const RunState& state)
{
    const std::string folder = m_system.settings_directory();
    if (!folder.empty() && !m_system.make_directories(folder))
        return {"its folder " + folder + " cannot be made"};
    return m_system.replace_file(path(state), format_settings(settings_of(state)));
}

} // namespace cuedeck
