#pragma once

#include <string>

#include "system/system.h"

namespace cuedeck {

struct RunState;
class System;

/// Where "cuedeck.dat" (see files/settings_format.h) lives, and the run's
/// fields it holds. Read once at start-up, written once at shut-down.
///
/// It lives in the system's settings folder where there is one (the user's
/// config folder on Linux), else beside the program. Until the settings
/// folder holds one, the file beside the program is read, so a portable copy
/// or the demo keep their settings; the next save goes to the settings folder.
class SettingsFile
{
public:
    static constexpr const char* file_name = "cuedeck.dat";

    explicit SettingsFile(System& system) : m_system(system) {}

    /// Fill the fields the file names; a missing file changes nothing.
    void read(RunState& state);
    /// Replace the file with the six pairs; false when it could not be written.
    Written write(const RunState& state);

    /// Where write() stores the file.
    std::string path(const RunState& state) const;

private:
    System& m_system;
};

} // namespace cuedeck
