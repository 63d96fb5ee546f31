#include "control/commands.h"

#include "base/control_ids.h"
#include "control/controller.h"

namespace cuedeck {

namespace {

constexpr KeyBinding keys[] = {
    {Key::Backspace, Command::Undo},
    {Key::U, Command::Undo},
    {Key::Space, Command::PlayPause},
    {Key::End, Command::Zero},
    {Key::Z, Command::Zero},
    {Key::F9, Command::Zero},
    {Key::Home, Command::Rewind},
    {Key::R, Command::Rewind},
    {Key::F10, Command::Rewind},
    {Key::F11, Command::Rewind},
    {Key::Left, Command::Back5Seconds},
    {Key::B, Command::Back5Seconds},
    {Key::F5, Command::Back5Seconds},
    {Key::Up, Command::VolumeUp},
    {Key::Right, Command::Forward5Seconds},
    {Key::F, Command::Forward5Seconds},
    {Key::F8, Command::Forward5Seconds},
    {Key::Down, Command::VolumeDown},
    {Key::D, Command::Redo},
    {Key::N, Command::NextTip},
    {Key::F7, Command::NextTip},
    {Key::P, Command::LastTip},
    {Key::F6, Command::LastTip},
    {Key::T, Command::TipTimer},
    {Key::F12, Command::TipTimer},
};

constexpr KeyBinding speed_keys[] = {
    {Key::LeftBracket, Command::Slower},
    {Key::RightBracket, Command::Faster},
    {Key::Equal, Command::NormalSpeed},
};

using Run = void (Controller::*)();

// In the order of the enumeration; command_row() relies on it.
constexpr CommandRow commands[] = {
    {Command::PlayPause, "play-pause", &Controller::play_pause, true}, // the step back on pause
    {Command::Zero, "zero", &Controller::zero, false},
    {Command::Rewind, "rewind", &Controller::rewind, true},
    {Command::Back5Seconds, "back", &Controller::back_5_seconds, true},
    {Command::Forward5Seconds, "forward", &Controller::forward_5_seconds, true},
    {Command::LastTip, "last-tip", &Controller::last_tip, false},
    {Command::NextTip, "next-tip", &Controller::next_tip, false},
    {Command::TipTimer, "tip-timer", &Controller::tip_timer, false},
    {Command::VolumeUp, "volume-up", &Controller::volume_up, false},
    {Command::VolumeDown, "volume-down", &Controller::volume_down, false},
    {Command::Undo, "undo", &Controller::undo, true},
    {Command::Redo, "redo", &Controller::redo, true},
    {Command::Slower, "slower", &Controller::slower, false},
    {Command::Faster, "faster", &Controller::faster, false},
    {Command::NormalSpeed, "normal-speed", &Controller::normal_speed, false},
    {Command::OpenPlaylist, nullptr, static_cast<Run>(&Controller::open_playlist), false},
    {Command::OpenMusicFile, nullptr, static_cast<Run>(&Controller::open_music_file), false},
    {Command::OpenTapeGroup, nullptr, static_cast<Run>(&Controller::open_tape_group), false},
    {Command::SaveTapeGroup, nullptr, &Controller::save_tape_group, false},
    {Command::SaveTapeGroupAs, nullptr, &Controller::save_tape_group_as, false},
    {Command::Exit, nullptr, nullptr, false},
    {Command::Settings, nullptr, nullptr, false},
    {Command::Help, nullptr, nullptr, false},
    {Command::About, nullptr, nullptr, false},
};

constexpr bool in_enumeration_order()
{
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        if (static_cast<std::size_t>(commands[i].command) != i)
            return false;
    }
    return true;
}
static_assert(in_enumeration_order() && std::size(commands) == std::size_t(Command::About) + 1);

constexpr ButtonBinding buttons[] = {
    {IDC_PLAY_PAUSE, "Play/Pause\n(space)", Command::PlayPause},
    {IDC_ZERO, "Zero\n(End/F9/Z)", Command::Zero},
    {IDC_REWIND, "Rewind\n(Home/F11/R)", Command::Rewind},
    {IDC_BACK_5, "<<5 Seconds\n(F5/B/<-)", Command::Back5Seconds},
    {IDC_FORWARD_5, "5 Seconds>>\n(F8/F/->)", Command::Forward5Seconds},
    {IDC_LAST_TIP, "<<Last Tip\n(F6/P)", Command::LastTip},
    {IDC_NEXT_TIP, "Next Tip>>\n(F7/N)", Command::NextTip},
    {IDC_TIP_TIMER_BUTTON, "Tip Timer\n(F12/T)", Command::TipTimer},
};

constexpr MenuItem menu_items[] = {
    {"&File", "&Open", IDM_FILE_OPEN, Command::OpenTapeGroup},
    {"&File", "&Save", IDM_FILE_SAVE, Command::SaveTapeGroup},
    {"&File", "Save &As...", IDM_FILE_SAVE_AS, Command::SaveTapeGroupAs},
    {"&File", "E&xit", IDM_FILE_EXIT, Command::Exit},
    {"&Edit", "&Undo (backspace)", IDM_EDIT_UNDO, Command::Undo},
    {"&Edit", "&Redo (D)", IDM_EDIT_REDO, Command::Redo},
    {"&Play", "Open &File", IDM_PLAY_OPEN_FILE, Command::OpenMusicFile},
    {"&Play", "Open &Playlist", IDM_PLAY_OPEN_PLAYLIST, Command::OpenPlaylist},
    {"&Options", "&Settings...", IDM_OPTIONS_SETTINGS, Command::Settings},
    {"&Help", "&Help", IDM_HELP_HELP, Command::Help},
    {"&Help", "&About", IDM_HELP_ABOUT, Command::About},
};

// After a tab: the key, shown in the menu's key column.
constexpr MenuItem speed_menu_items[] = {
    {"&Play", "Slower\t[", IDM_PLAY_SLOWER, Command::Slower},
    {"&Play", "Faster\t]", IDM_PLAY_FASTER, Command::Faster},
    {"&Play", "Normal Speed\t=", IDM_PLAY_NORMAL_SPEED, Command::NormalSpeed},
};

} // namespace

std::span<const KeyBinding> key_table()
{
    return keys;
}

std::span<const ButtonBinding> button_table()
{
    return buttons;
}

std::span<const MenuItem> menu_table()
{
    return menu_items;
}

std::span<const KeyBinding> speed_key_table()
{
    return speed_keys;
}

std::span<const MenuItem> speed_menu_table()
{
    return speed_menu_items;
}

std::span<const CommandRow> command_table()
{
    return commands;
}

const CommandRow& command_row(Command command)
{
    return commands[static_cast<std::size_t>(command)];
}

std::optional<Command> command_named(std::string_view name)
{
    for (const CommandRow& row : commands) {
        if (row.name != nullptr && name == row.name)
            return row.command;
    }
    return std::nullopt;
}

std::optional<Command> command_for_key(Key key)
{
    for (const auto table : {key_table(), speed_key_table()}) {
        for (const KeyBinding& binding : table) {
            if (binding.key == key)
                return binding.command;
        }
    }
    return std::nullopt;
}

bool run_command(Controller& controller, Command command)
{
    const auto run = command_row(command).run;
    if (run == nullptr)
        return false;
    (controller.*run)();
    return true;
}

void carry_out(Controller& controller, WindowCommands& window, Command command)
{
    if (run_command(controller, command))
        return;
    switch (command) {
    case Command::Exit:
        controller.shut_down(WindowEnding::AsOk);
        break;
    case Command::Settings:
        window.open_settings();
        break;
    case Command::Help:
        window.open_help();
        break;
    case Command::About:
        window.open_about();
        break;
    default:
        break;
    }
}

} // namespace cuedeck
