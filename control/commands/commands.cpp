#include "control/commands/commands.h"

#include "base/program_texts.h"
#include "base/translation.h"
#include "control/state/run_state.h"

namespace cuedeck {

namespace {

// A command's hinted keys are named in its caption in this order.
constexpr KeyBinding keys[] = {
    {Key::Backspace, Command::Undo, true},
    {Key::U, Command::Undo},
    {Key::Space, Command::PlayPause, true},
    {Key::F4, Command::PlayPause},
    {Key::End, Command::Zero, true},
    {Key::F9, Command::Zero, true},
    {Key::Z, Command::Zero, true},
    {Key::Home, Command::Rewind, true},
    {Key::F11, Command::Rewind, true},
    {Key::R, Command::Rewind, true},
    {Key::F10, Command::Rewind},
    {Key::F5, Command::Back5Seconds, true},
    {Key::B, Command::Back5Seconds, true},
    {Key::Left, Command::Back5Seconds, true},
    {Key::Up, Command::VolumeUp},
    {Key::F8, Command::Forward5Seconds, true},
    {Key::F, Command::Forward5Seconds, true},
    {Key::Right, Command::Forward5Seconds, true},
    {Key::Down, Command::VolumeDown},
    {Key::D, Command::Redo, true},
    {Key::F7, Command::NextTip, true},
    {Key::N, Command::NextTip, true},
    {Key::F6, Command::LastTip, true},
    {Key::P, Command::LastTip, true},
    {Key::F12, Command::TipTimer, true},
    {Key::T, Command::TipTimer, true},
    {Key::I, Command::SayWhere},
    {Key::X, Command::PreviousCue, true},
    {Key::C, Command::CueAgain, true},
    {Key::V, Command::NextCue, true},
};

constexpr KeyBinding speed_keys[] = {
    {Key::LeftBracket, Command::Slower, true},
    {Key::RightBracket, Command::Faster, true},
    {Key::Equal, Command::NormalSpeed, true},
};

constexpr KeyBinding aids_keys[] = {
    {Key::H, Command::ReduceNoise, true},       {Key::W, Command::VoiceBand, true},
    {Key::E, Command::EvenLoudness, true},      {Key::A, Command::Louder, true},
    {Key::Digit1, Command::ChannelBoth, true},  {Key::Digit2, Command::ChannelLeft, true},
    {Key::Digit3, Command::ChannelRight, true}, {Key::Digit4, Command::ChannelMixed, true},
};

constexpr KeyBinding phrase_keys[] = {
    {Key::ShiftLeft, Command::PhraseBack, true},
    {Key::ShiftRight, Command::PhraseForward, true},
};

constexpr KeyBinding loop_keys[] = {
    {Key::L, Command::Loop, true},
    {Key::S, Command::LoopCue, true},
};

// In the order of the enumeration; command_row() relies on it.
constexpr CommandRow commands[] = {
    {Command::PlayPause, "play-pause", true}, // the step back on pause
    {Command::Zero, "zero", false},
    {Command::Rewind, "rewind", true},
    {Command::Back5Seconds, "back", true},
    {Command::Forward5Seconds, "forward", true},
    {Command::LastTip, "last-tip", false},
    {Command::NextTip, "next-tip", false},
    {Command::TipTimer, "tip-timer", false},
    {Command::VolumeUp, "volume-up", false},
    {Command::VolumeDown, "volume-down", false},
    {Command::Undo, "undo", true},
    {Command::Redo, "redo", true},
    {Command::Slower, "slower", false},
    {Command::Faster, "faster", false},
    {Command::NormalSpeed, "normal-speed", false},
    {Command::CopyPlace, "copy-place", false},
    {Command::GoToPlace, nullptr, true, Argument::PlaceText},
    {Command::GoToCopiedPlace, nullptr, true},
    {Command::OpenPlaylist, nullptr, false},
    {Command::OpenMusicFile, nullptr, false},
    {Command::NewTapeGroup, nullptr, false},
    {Command::NewTapeGroupFromFolder, nullptr, false},
    {Command::OpenTapeGroup, nullptr, false},
    {Command::SaveTapeGroup, nullptr, false},
    {Command::SaveTapeGroupAs, nullptr, false},
    {Command::Exit, nullptr, false},
    {Command::Settings, nullptr, false},
    {Command::Help, nullptr, false},
    {Command::About, nullptr, false},
    {Command::Play, nullptr, false},
    {Command::Pause, nullptr, true}, // the step back
    {Command::JumpTo, nullptr, true, Argument::Number},
    {Command::SetSpeed, nullptr, false, Argument::Number},
    {Command::ReduceNoise, "reduce-noise", false},
    {Command::VoiceBand, "voice-band", false},
    {Command::EvenLoudness, "even-loudness", false},
    {Command::Louder, "louder", false},
    {Command::ChannelBoth, "channel-both", false},
    {Command::ChannelLeft, "channel-left", false},
    {Command::ChannelRight, "channel-right", false},
    {Command::ChannelMixed, "channel-mixed", false},
    {Command::Loop, "loop", true}, // the second press jumps to its start
    {Command::EndLoop, nullptr, false},
    {Command::PhraseBack, "phrase-back", true},
    {Command::PhraseForward, "phrase-forward", true},
    {Command::PlaceInTip, nullptr, true, Argument::Number},
    {Command::SayWhere, "say-where", false},
    {Command::PreviousCue, "previous-cue", true},
    {Command::NextCue, "next-cue", true},
    {Command::CueAgain, "cue-again", true},
    {Command::LoopCue, "loop-cue", true},
    {Command::CopyCue, "copy-cue", false},
    {Command::CopyDraftAsTranscript, "copy-draft", false},
    {Command::OpenDraft, nullptr, false},
    {Command::SaveDraftAs, nullptr, false},
    {Command::MakeDraft, "make-draft", false},
    {Command::MakeDraftOfLoop, "make-draft-of-loop", false},
    {Command::StopMakingDraft, "stop-making-draft", false},
    {Command::RecognizerSettings, nullptr, false},
};

constexpr bool in_enumeration_order()
{
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        if (static_cast<std::size_t>(commands[i].command) != i)
            return false;
    }
    return true;
}
static_assert(in_enumeration_order() &&
              std::size(commands) == std::size_t(Command::RecognizerSettings) + 1);

constexpr ButtonBinding buttons[] = {
    {UI_TEXT("Play/Pause"), Command::PlayPause},
    {UI_TEXT("Zero"), Command::Zero},
    {UI_TEXT("Rewind"), Command::Rewind},
    {UI_TEXT("<<5 Seconds"), Command::Back5Seconds},
    {UI_TEXT("5 Seconds>>"), Command::Forward5Seconds},
    {UI_TEXT("<<Last Tip"), Command::LastTip},
    {UI_TEXT("Next Tip>>"), Command::NextTip},
    {TEXT_TIP_TIMER, Command::TipTimer},
};

constexpr MenuItem menu_items[] = {
    {UI_TEXT("&File"), UI_TEXT("&New Tape Group..."), Command::NewTapeGroup},
    {UI_TEXT("&File"), UI_TEXT("New Tape Group from &Folder..."), Command::NewTapeGroupFromFolder},
    {UI_TEXT("&File"), UI_TEXT("&Open"), Command::OpenTapeGroup},
    {UI_TEXT("&File"), UI_TEXT("&Save"), Command::SaveTapeGroup},
    {UI_TEXT("&File"), UI_TEXT("Save &As..."), Command::SaveTapeGroupAs},
    {UI_TEXT("&File"), UI_TEXT("Open &Draft..."), Command::OpenDraft},
    {UI_TEXT("&File"), UI_TEXT("Save Draft As S&ubtitles..."), Command::SaveDraftAs},
    {UI_TEXT("&File"), UI_TEXT("Ma&ke Draft"), Command::MakeDraft},
    {UI_TEXT("&File"), UI_TEXT("Make Draft of the &Loop"), Command::MakeDraftOfLoop},
    {UI_TEXT("&File"), UI_TEXT("S&top Making the Draft"), Command::StopMakingDraft},
    {UI_TEXT("&File"), UI_TEXT("E&xit"), Command::Exit},
    {UI_TEXT("&Edit"), UI_TEXT("&Undo"), Command::Undo, KeyHint::InParentheses},
    {UI_TEXT("&Edit"), UI_TEXT("&Redo"), Command::Redo, KeyHint::InParentheses},
    {UI_TEXT("&Edit"), UI_TEXT("&Copy Place"), Command::CopyPlace, KeyHint::None, "Ctrl+C"},
    {UI_TEXT("&Edit"), UI_TEXT("Go To Copied &Place"), Command::GoToCopiedPlace, KeyHint::None,
     "Ctrl+V"},
    {UI_TEXT("&Edit"), UI_TEXT("Copy Cu&e"), Command::CopyCue, KeyHint::None, "Ctrl+K"},
    {UI_TEXT("&Edit"), UI_TEXT("Copy Draft as &Transcript"), Command::CopyDraftAsTranscript},
    {UI_TEXT("&Play"), UI_TEXT("Open &File"), Command::OpenMusicFile},
    {UI_TEXT("&Play"), UI_TEXT("Open &Playlist"), Command::OpenPlaylist},
    {UI_TEXT("&Play"), UI_TEXT("&Go To Place..."), Command::GoToPlace, KeyHint::None, "Ctrl+G"},
    {UI_TEXT("&Play"), UI_TEXT("Previous Cue"), Command::PreviousCue, KeyHint::InKeyColumn},
    {UI_TEXT("&Play"), UI_TEXT("Cue Again"), Command::CueAgain, KeyHint::InKeyColumn},
    {UI_TEXT("&Play"), UI_TEXT("Next Cue"), Command::NextCue, KeyHint::InKeyColumn},
    {UI_TEXT("&Options"), UI_TEXT("&Settings..."), Command::Settings},
    {UI_TEXT("&Options"), UI_TEXT("&Recognizer..."), Command::RecognizerSettings},
    {UI_TEXT("&Help"), UI_TEXT("&Help"), Command::Help},
    {UI_TEXT("&Help"), UI_TEXT("&About"), Command::About},
};

constexpr MenuItem speed_menu_items[] = {
    {UI_TEXT("&Play"), UI_TEXT("Slower"), Command::Slower, KeyHint::InKeyColumn},
    {UI_TEXT("&Play"), UI_TEXT("Faster"), Command::Faster, KeyHint::InKeyColumn},
    {UI_TEXT("&Play"), UI_TEXT("Normal Speed"), Command::NormalSpeed, KeyHint::InKeyColumn},
};

constexpr MenuItem aids_menu_items[] = {
    {UI_TEXT("&Sound"), UI_TEXT("Reduce &Noise"), Command::ReduceNoise, KeyHint::InKeyColumn},
    {UI_TEXT("&Sound"), UI_TEXT("&Voice Band"), Command::VoiceBand, KeyHint::InKeyColumn},
    {UI_TEXT("&Sound"), UI_TEXT("&Even Out Loudness"), Command::EvenLoudness, KeyHint::InKeyColumn},
    {UI_TEXT("&Sound"), UI_TEXT("&Louder than 100 %"), Command::Louder, KeyHint::InKeyColumn},
    {UI_TEXT("&Sound"), UI_TEXT("&Both Channels"), Command::ChannelBoth, KeyHint::InKeyColumn},
    {UI_TEXT("&Sound"), UI_TEXT("Le&ft Channel Only"), Command::ChannelLeft, KeyHint::InKeyColumn},
    {UI_TEXT("&Sound"), UI_TEXT("&Right Channel Only"), Command::ChannelRight,
     KeyHint::InKeyColumn},
    {UI_TEXT("&Sound"), UI_TEXT("Both Channels &Mixed"), Command::ChannelMixed,
     KeyHint::InKeyColumn},
};

constexpr MenuItem phrase_menu_items[] = {
    {UI_TEXT("&Play"), UI_TEXT("P&hrase Back"), Command::PhraseBack, KeyHint::InKeyColumn},
    {UI_TEXT("&Play"), UI_TEXT("Phrase Fo&rward"), Command::PhraseForward, KeyHint::InKeyColumn},
};

constexpr MenuItem loop_menu_items[] = {
    {UI_TEXT("&Play"), UI_TEXT("&Loop a Stretch"), Command::Loop, KeyHint::InKeyColumn},
    {UI_TEXT("&Play"), UI_TEXT("Loop the Cue"), Command::LoopCue, KeyHint::InKeyColumn},
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

std::span<const KeyBinding> aids_key_table()
{
    return aids_keys;
}

std::span<const MenuItem> aids_menu_table()
{
    return aids_menu_items;
}

std::span<const KeyBinding> phrase_key_table()
{
    return phrase_keys;
}

std::span<const MenuItem> phrase_menu_table()
{
    return phrase_menu_items;
}

std::span<const KeyBinding> loop_key_table()
{
    return loop_keys;
}

std::span<const MenuItem> loop_menu_table()
{
    return loop_menu_items;
}

const char* key_name(Key key)
{
    switch (key) {
    case Key::Backspace:
        return UI_TEXT("backspace");
    case Key::Space:
        return UI_TEXT("space");
    case Key::End:
        return UI_TEXT("End");
    case Key::Home:
        return UI_TEXT("Home");
    case Key::Left:
        return "<-";
    case Key::Up:
        return UI_TEXT("Up");
    case Key::Right:
        return "->";
    case Key::Down:
        return UI_TEXT("Down");
    case Key::F4:
        return "F4";
    case Key::F5:
        return "F5";
    case Key::F6:
        return "F6";
    case Key::F7:
        return "F7";
    case Key::F8:
        return "F8";
    case Key::F9:
        return "F9";
    case Key::F10:
        return "F10";
    case Key::F11:
        return "F11";
    case Key::F12:
        return "F12";
    case Key::B:
        return "B";
    case Key::D:
        return "D";
    case Key::F:
        return "F";
    case Key::N:
        return "N";
    case Key::P:
        return "P";
    case Key::R:
        return "R";
    case Key::T:
        return "T";
    case Key::U:
        return "U";
    case Key::Z:
        return "Z";
    case Key::LeftBracket:
        return "[";
    case Key::RightBracket:
        return "]";
    case Key::Equal:
        return "=";
    case Key::A:
        return "A";
    case Key::E:
        return "E";
    case Key::H:
        return "H";
    case Key::L:
        return "L";
    case Key::W:
        return "W";
    case Key::Digit1:
        return "1";
    case Key::Digit2:
        return "2";
    case Key::Digit3:
        return "3";
    case Key::Digit4:
        return "4";
    case Key::ShiftLeft:
        return UI_TEXT("Shift+<-");
    case Key::ShiftRight:
        return UI_TEXT("Shift+->");
    case Key::I:
        return "I";
    case Key::X:
        return "X";
    case Key::C:
        return "C";
    case Key::V:
        return "V";
    case Key::S:
        return "S";
    }
    return "";
}

std::string key_hint(Command command)
{
    std::string hint;
    for (const auto table :
         {key_table(), speed_key_table(), loop_key_table(), aids_key_table(), phrase_key_table()}) {
        for (const KeyBinding& binding : table) {
            if (binding.command != command || !binding.hinted)
                continue;
            if (!hint.empty())
                hint += '/';
            hint += translated(key_name(binding.key));
        }
    }
    return hint;
}

std::string button_caption(const ButtonBinding& button)
{
    return translated(button.label) + "\n(" + key_hint(button.command) + ")";
}

std::string menu_text(const MenuItem& item)
{
    switch (item.hint) {
    case KeyHint::None:
        break;
    case KeyHint::InParentheses:
        return translated(item.label) + " (" + key_hint(item.command) + ")";
    case KeyHint::InKeyColumn:
        return translated(item.label) + "\t" + key_hint(item.command);
    }
    return translated(item.label);
}

std::span<const CommandRow> command_table()
{
    return commands;
}

bool needs_answering_player(Command command)
{
    switch (command) {
    case Command::TipTimer:
    case Command::OpenPlaylist:
    case Command::OpenMusicFile:
    case Command::NewTapeGroup:
    case Command::NewTapeGroupFromFolder:
    case Command::OpenTapeGroup:
    case Command::SaveTapeGroup:
    case Command::SaveTapeGroupAs:
    case Command::Exit:
    case Command::Settings:
    case Command::Help:
    case Command::About:
    case Command::SayWhere:
    case Command::CopyDraftAsTranscript:
    case Command::OpenDraft:
    case Command::SaveDraftAs:
    case Command::MakeDraft:
    case Command::MakeDraftOfLoop:
    case Command::StopMakingDraft:
    case Command::RecognizerSettings:
        return false;
    default:
        return true;
    }
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

std::optional<Command> command_for_key(Key key, KeysBeyond beyond)
{
    const std::span<const KeyBinding> none;
    for (const auto table :
         {key_table(), speed_key_table(), loop_key_table(), beyond.aids ? aids_key_table() : none,
          beyond.phrases ? phrase_key_table() : none}) {
        for (const KeyBinding& binding : table) {
            if (binding.key == key)
                return binding.command;
        }
    }
    return std::nullopt;
}

std::optional<bool> shown_checked(Command command, const RunState& state)
{
    switch (command) {
    case Command::ReduceNoise:
        return state.aids.reduce_noise;
    case Command::VoiceBand:
        return state.aids.voice_band;
    case Command::EvenLoudness:
        return state.aids.even_loudness;
    case Command::Louder:
        return state.aids.louder;
    case Command::ChannelBoth:
        return state.aids.channel == Channel::Both;
    case Command::ChannelLeft:
        return state.aids.channel == Channel::Left;
    case Command::ChannelRight:
        return state.aids.channel == Channel::Right;
    case Command::ChannelMixed:
        return state.aids.channel == Channel::Mixed;
    case Command::Loop:
        return state.loop.has_value();
    default:
        return std::nullopt;
    }
}

} // namespace cuedeck
