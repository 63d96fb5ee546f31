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

constexpr NamedCommand names[] = {
    {"play-pause", Command::PlayPause},
    {"zero", Command::Zero},
    {"rewind", Command::Rewind},
    {"back", Command::Back5Seconds},
    {"forward", Command::Forward5Seconds},
    {"last-tip", Command::LastTip},
    {"next-tip", Command::NextTip},
    {"tip-timer", Command::TipTimer},
    {"volume-up", Command::VolumeUp},
    {"volume-down", Command::VolumeDown},
    {"undo", Command::Undo},
    {"redo", Command::Redo},
    {"slower", Command::Slower},
    {"faster", Command::Faster},
    {"normal-speed", Command::NormalSpeed},
};

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

std::span<const NamedCommand> command_names()
{
    return names;
}

std::optional<Command> command_named(std::string_view name)
{
    for (const NamedCommand& named : names) {
        if (name == named.name)
            return named.command;
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

bool moves_position(Command command)
{
    switch (command) {
    case Command::PlayPause: // the step back on pause
    case Command::Rewind:
    case Command::Back5Seconds:
    case Command::Forward5Seconds:
    case Command::Undo:
    case Command::Redo:
        return true;
    default:
        return false;
    }
}

bool run_command(Controller& controller, Command command)
{
    switch (command) {
    case Command::PlayPause:
        controller.play_pause();
        return true;
    case Command::Zero:
        controller.zero();
        return true;
    case Command::Rewind:
        controller.rewind();
        return true;
    case Command::Back5Seconds:
        controller.back_5_seconds();
        return true;
    case Command::Forward5Seconds:
        controller.forward_5_seconds();
        return true;
    case Command::LastTip:
        controller.last_tip();
        return true;
    case Command::NextTip:
        controller.next_tip();
        return true;
    case Command::TipTimer:
        controller.tip_timer();
        return true;
    case Command::VolumeUp:
        controller.volume_up();
        return true;
    case Command::VolumeDown:
        controller.volume_down();
        return true;
    case Command::Undo:
        controller.undo();
        return true;
    case Command::Redo:
        controller.redo();
        return true;
    case Command::Slower:
        controller.slower();
        return true;
    case Command::Faster:
        controller.faster();
        return true;
    case Command::NormalSpeed:
        controller.normal_speed();
        return true;
    case Command::OpenPlaylist:
        controller.open_playlist();
        return true;
    case Command::OpenMusicFile:
        controller.open_music_file();
        return true;
    case Command::OpenTapeGroup:
        controller.open_tape_group();
        return true;
    case Command::SaveTapeGroup:
        controller.save_tape_group();
        return true;
    case Command::SaveTapeGroupAs:
        controller.save_tape_group_as();
        return true;
    case Command::Exit:
    case Command::Settings:
    case Command::Help:
    case Command::About:
        return false;
    }
    return false;
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
