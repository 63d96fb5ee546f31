#pragma once

#include <string>

namespace cuedeck {

struct RunState;
class System;

/// "cuedeck.dat" beside the program: the settings and the last open tape
/// group file, as key and value line pairs. Read once at start-up, written
/// once at shut-down.
class SettingsFile
{
public:
    static constexpr const char* file_name = "cuedeck.dat";

    explicit SettingsFile(System& system) : m_system(system) {}

    /// Fill the fields the file names; a missing file changes nothing.
    void read(RunState& state);
    /// Replace the file with the six pairs; a failure is silent.
    void write(const RunState& state);

    static std::string path(const RunState& state);
    static std::string format(const RunState& state);
    /// Apply the file's text to the fields.
    static void parse(const std::string& text, RunState& state);

private:
    System& m_system;
};

} // namespace cuedeck
