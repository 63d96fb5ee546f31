#pragma once

#include <string>

namespace cuedeck {

class Controller;

/// The File menu's flow over the open .grp file (see files/tape_group_format.h):
/// reading it moves the player to its place, writing stores the current place;
/// it also owns the save question and the window title that names the file.
class TapeGroupFile
{
public:
    explicit TapeGroupFile(Controller& controller) : m_controller(controller) {}

    /// Open the file at the tape group path and move the player there.
    void read();
    /// Store the current place at the tape group path. False, with a message,
    /// when it could not be stored; the old file is then left as it was.
    bool write();
    /// Ask to save when the place has changed since the last read or write.
    void save_prompt();
    void set_title();

    // File menu commands.
    void open_command();
    void save_command();
    void save_as_command();

private:
    Controller& m_controller;
};

} // namespace cuedeck
