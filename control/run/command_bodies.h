#pragma once

#include "control/commands/commands.h"

namespace cuedeck {

class Controller;

/// Carry out a command that belongs to the controller. False for the
/// window's own commands, which the window carries out itself.
bool run_command(Controller& controller, Command command);
/// Carry out a command that is given a number (see Argument::Number);
/// false for any other.
bool run_command_with(Controller& controller, Command command, int number);

/// The commands a front end carries out itself: its dialogs and the browser.
class WindowCommands
{
public:
    virtual ~WindowCommands() = default;
    virtual void open_settings() = 0;
    /// The recognizer Make Draft runs, and its own settings.
    virtual void open_recognizer_settings() = 0;
    virtual void open_help() = 0;
    virtual void open_about() = 0;
};

/// Carry out any command: the controller's own, Exit (shut-down, ending the
/// window as OK does), or one of the window's.
void carry_out(Controller& controller, WindowCommands& window, Command command);

} // namespace cuedeck
