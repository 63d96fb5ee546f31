#include "control/storage/settings_file.h"

#include <vector>

#include "base/text_lines.h"
#include "control/state/run_state.h"
#include "control/state/speed.h"
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

SettingsText settings_of(const RunState& state, const std::string& folder)
{
    SettingsText text;
    text.run.open_file = state.tape_group_path;
    text.settings = state.settings;
    if (state.speed_control)
        text.run.speed = state.speed;
    if (state.aids_control) {
        text.run.reduce_noise = int(state.aids.reduce_noise);
        text.run.voice_band = int(state.aids.voice_band);
        text.run.even_loudness = int(state.aids.even_loudness);
        text.run.louder = int(state.aids.louder);
        text.run.channel = int(state.aids.channel);
    }
    const std::string& as_written = state.sound_file_as_written;
    if (!as_written.empty() && sound_beside(folder, as_written) == state.settings.sound_file)
        text.settings.sound_file = as_written;
    return text;
}

void apply(const SettingsText& text, const std::string& folder, RunState& state)
{
    state.tape_group_path = text.run.open_file;
    state.settings = text.settings;
    state.sound_file_as_written = text.settings.sound_file;
    state.settings.sound_file = sound_beside(folder, text.settings.sound_file);
    state.speed = text.run.speed.value_or(speed::normal);
    state.aids.reduce_noise = text.run.reduce_noise.value_or(0) != 0;
    state.aids.voice_band = text.run.voice_band.value_or(0) != 0;
    state.aids.even_loudness = text.run.even_loudness.value_or(0) != 0;
    state.aids.louder = text.run.louder.value_or(0) != 0;
    state.aids.channel = Channel(text.run.channel.value_or(int(Channel::Both)));
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
            SettingsText settings = settings_of(state, {});
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
