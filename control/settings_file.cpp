#include "control/settings_file.h"

#include <vector>

#include "base/text_lines.h"
#include "control/global_keys.h"
#include "control/pedal.h"
#include "control/run_state.h"
#include "control/speed.h"
#include "files/settings_format.h"
#include "system/system.h"

namespace cuedeck {

namespace {

/// The alarm sound a settings file in `folder` names: a bare file name is
/// read beside the file; any other is taken as it stands, as ever.
std::string sound_beside(const std::string& folder, const std::string& name)
{
    return name.empty() || name.find_first_of("/\\:") != std::string::npos ? name : folder + name;
}

/// The folder of the settings file at `path`, its separator kept.
std::string folder_of_file(const std::string& path, char separator)
{
    return std::string(folder_of(path, separator));
}

Settings settings_of(const RunState& state, const std::string& folder)
{
    const std::optional<int> speed =
        state.speed_control ? std::optional<int>(state.speed) : std::nullopt;
    const std::string& as_written = state.sound_file_as_written;
    const bool as_it_was =
        !as_written.empty() && sound_beside(folder, as_written) == state.sound_file;
    return {state.tape_group_path,
            state.sound_on,
            as_it_was ? as_written : state.sound_file,
            state.tip_time,
            state.play_using,
            state.back_time,
            speed,
            state.global_keys,
            state.pedal_device,
            state.pedal_buttons,
            state.pedal_mode};
}

void apply(const Settings& settings, const std::string& folder, RunState& state)
{
    state.tape_group_path = settings.open_file;
    state.sound_on = settings.sound_on;
    state.sound_file_as_written = settings.sound_file;
    state.sound_file = sound_beside(folder, settings.sound_file);
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

std::string installed_data_folder(const std::string& exe_directory, char separator)
{
    const auto parent =
        exe_directory.rfind(separator, exe_directory.size() >= 2 ? exe_directory.size() - 2 : 0);
    const std::string prefix =
        parent == std::string::npos ? std::string() : exe_directory.substr(0, parent + 1);
    return prefix + "share" + separator + "cuedeck" + separator;
}

void SettingsFile::read(RunState& state)
{
    const char separator = m_system.path_separator();
    // The user's own, then a copy beside the program (a portable copy, the
    // demo), then the starting settings that come with an installed program.
    std::vector<std::string> places = {path(state)};
    if (!m_system.settings_directory().empty())
        places.push_back(state.exe_directory + file_name);
    places.push_back(installed_data_folder(state.exe_directory, separator) + file_name);
    for (const std::string& place : places) {
        if (const auto text = m_system.read_file(place)) {
            Settings settings = settings_of(state, {});
            parse_settings(*text, settings);
            apply(settings, folder_of_file(place, separator), state);
            return;
        }
    }
}

Written SettingsFile::write(const RunState& state)
{
    const std::string folder = m_system.settings_directory();
    if (!folder.empty() && !m_system.make_directories(folder))
        return {"its folder " + folder + " cannot be made"};
    const std::string written = path(state);
    const char separator = m_system.path_separator();
    return m_system.replace_file(
        written, format_settings(settings_of(state, folder_of_file(written, separator))));
}

} // namespace cuedeck
