#pragma once

#include <string>

namespace cuedeck {

class Controller;

/// The .grp file: the playlist, the tip in it and the zero mark in that tip,
/// so that work resumes where it stopped. Three lines:
///
///     /music/group 12.m3u
///     5
///     1:23
///
/// It also owns the save question and the window title that names the file.
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

    /// The file's text for a place, as write() stores it.
    static std::string format(const std::string& playlist_path, int tip, int seconds);

private:
    Controller& m_controller;
};

} // namespace cuedeck
