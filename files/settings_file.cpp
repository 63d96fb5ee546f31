#include "files/settings_file.h"

#include <vector>

#include "control/run_state.h"
#include "control/system.h"
#include "files/text_lines.h"

namespace cuedeck {

namespace {

enum class ValueKind { Text, Integer };

struct Key
{
    const char* name;
    ValueKind kind;
    std::string RunState::*text;
    int RunState::*integer;
};

// The six keys in the order the file is written.
const Key keys[] = {
    {"Openfile", ValueKind::Text, &RunState::tape_group_path, nullptr},
    {"SoundOn", ValueKind::Integer, nullptr, &RunState::sound_on},
    {"Soundfile", ValueKind::Text, &RunState::sound_file, nullptr},
    {"Tiptime", ValueKind::Integer, nullptr, &RunState::tip_time},
    {"Playusing", ValueKind::Integer, nullptr, &RunState::play_using},
    {"BackTime", ValueKind::Integer, nullptr, &RunState::back_time},
};

} // namespace

std::string SettingsFile::path(const RunState& state) const
{
    const std::string folder = m_system.settings_directory();
    return (folder.empty() ? state.exe_directory : folder) + file_name;
}

std::string SettingsFile::format(const RunState& state)
{
    std::string text;
    for (const Key& key : keys) {
        text += key.name;
        text += '\n';
        if (key.kind == ValueKind::Integer)
            text += std::to_string(state.*key.integer);
        else if (!has_line_break(state.*key.text))
            text += state.*key.text;
        text += '\n';
    }
    return text;
}

void SettingsFile::parse(const std::string& text, RunState& state)
{
    const std::vector<std::string> lines = split_lines(text);
    std::size_t next = 0;
    // Past the end every line reads as empty, which ends the reading.
    auto read_line = [&]() { return next < lines.size() ? lines[next++] : std::string(); };

    // The first empty key line ends the reading. A key that matches none of
    // the six is skipped alone, so its value line is then read as a key.
    for (std::string line = read_line(); !line.empty(); line = read_line()) {
        for (const Key& key : keys) {
            if (line != key.name)
                continue;
            if (key.kind == ValueKind::Text)
                state.*key.text = read_line();
            else
                state.*key.integer = to_int(read_line());
            break;
        }
    }
}

void SettingsFile::read(RunState& state)
{
    auto text = m_system.read_file(path(state));
    if (!text && !m_system.settings_directory().empty())
        text = m_system.read_file(state.exe_directory + file_name);
    if (text)
        parse(*text, state);
}

bool SettingsFile::write(const RunState& state)
{
    const std::string folder = m_system.settings_directory();
    if (!folder.empty() && !m_system.make_directories(folder))
        return false;
    return m_system.replace_file(path(state), format(state));
}

} // namespace cuedeck
