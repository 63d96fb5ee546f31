#pragma once

#include <optional>

#include "control/commands/commands.h"
#include "control/run/controller_view.h"

/// Which control or menu item of the windows shows what: the ids of
/// front/control_ids.h for the run's fields, the buttons and the menu items.
/// Both front ends and the tests read them here.
namespace cuedeck {

/// The control that shows a field.
int field_control(FieldId field);
/// The field a control shows, if it shows one.
std::optional<FieldId> field_of_control(int id);
/// The button of a command (a ButtonBinding's), 0 for none.
int button_control(Command command);
/// The menu item of a command (a MenuItem's), 0 for none.
int menu_id(Command command);
/// The command of a button or a menu item, if it has one.
std::optional<Command> command_of_id(int id);

} // namespace cuedeck
