#pragma once

#include <string>

#include "system/system.h"

namespace cuedeck {

struct RunState;
class System;

/// Where an installed program's own files are: <prefix>/share/cuedeck/ for
/// a program in <prefix>/bin/ (its help page, its starting settings).
std::string installed_data_folder(const std::string& exe_directory, char separator);

/// Where "cuedeck.dat" (see files/settings_format.h) lives, and the run's
/// fields it holds. Read once at start-up, written once at shut-down.
///
/// It lives in the system's settings folder where there is one (the user's
/// config folder on Linux), else beside the program. Until the settings
/// folder holds one, the file beside the program is read, so a portable copy
/// or the demo keep their settings; the next save goes to the settings folder.
/// Without either, an installed program reads the starting settings it comes
/// with (installed_data_folder()): a back time and an alarm sound of its own.
class SettingsFile
{
public:
    static constexpr const char* file_name = "cuedeck.dat";

    explicit SettingsFile(System& system) : m_system(system) {}

    /// Fill the fields the file names; a missing file changes nothing.
    void read(RunState& state);
    /// Replace the file; says why when it could not be written.
    Written write(const RunState& state);

    /// Where write() stores the file.
    std::string path(const RunState& state) const;

private:
    System& m_system;
};

} // namespace cuedeck
