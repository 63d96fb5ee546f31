#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "control/commands/keys.h"

namespace cuedeck {

struct RunState;

/// Everything a key, a button or a menu item can ask for.
enum class Command {
    PlayPause,
    Zero,
    Rewind,
    Back5Seconds,
    Forward5Seconds,
    LastTip,
    NextTip,
    TipTimer,
    VolumeUp,
    VolumeDown,
    Undo,
    Redo,
    // The playback speed, where the player can change it.
    Slower,
    Faster,
    NormalSpeed,
    // Places as a transcript holds them.
    CopyPlace,
    GoToPlace,       ///< asks for the place
    GoToCopiedPlace, ///< the place on the clipboard, if it holds one
    OpenPlaylist,
    OpenMusicFile,
    NewTapeGroup,           ///< of recordings chosen together
    NewTapeGroupFromFolder, ///< of a folder's recordings
    OpenTapeGroup,
    SaveTapeGroup,
    SaveTapeGroupAs,
    // The window's own: they open its dialogs or end it.
    Exit,
    Settings,
    Help,
    About,
    // Asked from outside the window: the media interface, the foot pedal.
    Play,     ///< play or resume; nothing while playing
    Pause,    ///< pause with the step back; nothing unless playing
    JumpTo,   ///< to the milliseconds given, within the tip
    SetSpeed, ///< to the percentage given
    // The clarity aids and the loop, where the player has them.
    ReduceNoise, ///< each of these four switches its aid on or off
    VoiceBand,
    EvenLoudness,
    Louder,
    ChannelBoth,
    ChannelLeft,
    ChannelRight,
    ChannelMixed,
    Loop,    ///< its start, its end, then no loop
    EndLoop, ///< whatever of it is set
    // Phrases, where the waveform shows the pauses between them.
    PhraseBack,    ///< to the start of the phrase heard, or of the one before
    PhraseForward, ///< to the start of the next phrase
    PlaceInTip,    ///< the milliseconds given, recorded as a go-to is (the bar)
    SayWhere,      ///< where the work stands, for a screen reader to say
    // The draft's cues, where the tip has a draft.
    PreviousCue,
    NextCue,
    CueAgain, ///< to the start of the cue heard
    LoopCue,  ///< the cue heard over and over; again: no loop
    CopyCue,  ///< with its place, as Copy Place writes it
    CopyDraftAsTranscript,
    OpenDraft,
    SaveDraftAs,
    // A draft made by the user's recognizer, in the background.
    MakeDraft,       ///< of the tip
    MakeDraftOfLoop, ///< of the loop's stretch: only its cues are replaced
    StopMakingDraft, ///< nothing is left of it
    RecognizerSettings,
};

/// One key of the key table (letters whatever the Shift state).
struct KeyBinding
{
    Key key;
    Command command;
    /// Named in the hint of its command's button or menu item, in the
    /// table's order.
    bool hinted = false;
};

/// One transport button (each front end gives it its control id).
struct ButtonBinding
{
    const char* label; ///< the caption's first line; its keys follow below
    Command command;
};

/// Where a menu item names its keys.
enum class KeyHint {
    None,
    InParentheses, ///< "&Undo (backspace)"
    InKeyColumn,   ///< "Slower\t[": after a tab, in the menu's key column
};

/// One item of the menu bar (each front end gives it its menu id).
struct MenuItem
{
    const char* menu; ///< the menu it belongs to, with its mnemonic
    const char* label;
    Command command;
    KeyHint hint = KeyHint::None;
    /// A key with Ctrl that runs it in every front end, "Ctrl+C".
    const char* shortcut = nullptr;
};

std::span<const KeyBinding> key_table();
std::span<const ButtonBinding> button_table();
std::span<const MenuItem> menu_table();
/// The speed's keys ([, ], =) and its items at the end of the Play menu,
/// for a front end whose player can change speed.
std::span<const KeyBinding> speed_key_table();
std::span<const MenuItem> speed_menu_table();
/// The clarity aids' keys and their Sound menu, for a front end whose
/// player has them.
std::span<const KeyBinding> aids_key_table();
std::span<const MenuItem> aids_menu_table();
/// The phrase keys (Shift+arrows) and their items at the end of the Play
/// menu, for a front end that shows the waveform.
std::span<const KeyBinding> phrase_key_table();
std::span<const MenuItem> phrase_menu_table();
/// The loop's keys (L, S) and their items in the Play menu: every player
/// has them (one that cannot loop a stretch has it kept by Cuedeck).
std::span<const KeyBinding> loop_key_table();
std::span<const MenuItem> loop_menu_table();

/// How captions and messages name a key: "F9", "space", "<-".
const char* key_name(Key key);
/// The keys named for a command, as a caption shows them: "End/F9/Z".
std::string key_hint(Command command);
/// A button's caption: its label, and its keys below in parentheses.
std::string button_caption(const ButtonBinding& button);
/// A menu item's text with its keys, where it shows them.
std::string menu_text(const MenuItem& item);

/// What a request for a command brings with it (see Request).
enum class Argument {
    None,
    Number,    ///< milliseconds or a percentage, given to `run_with`
    PlaceText, ///< text holding a place; without it the command asks for one
};

/// One row per command: how `cuedeck --command` and the help page name it
/// (the commands of the key tables are named, "play-pause", "next-tip", ...),
/// whether it may move the player within the tip (a jump, not play), and
/// what it brings. What each runs is the run's (control/run/command_bodies.h).
struct CommandRow
{
    Command command;
    const char* name; ///< nullptr: not named
    bool moves;
    Argument argument = Argument::None;
};

/// Every command, in the order of the enumeration.
std::span<const CommandRow> command_table();
std::optional<Command> command_named(std::string_view name);

/// The tables beyond the key table, the speed's and the loop's that a
/// front end's keys reach.
struct KeysBeyond
{
    bool aids = false;    ///< where the player has the clarity aids
    bool phrases = false; ///< where the window shows the waveform
};
/// The command bound to a key, in the key table, the speed's and the
/// loop's, or those `beyond` them, if any.
std::optional<Command> command_for_key(Key key, KeysBeyond beyond = {});
inline std::optional<Command> command_for_key(std::optional<Key> key, KeysBeyond beyond = {})
{
    return key ? command_for_key(*key, beyond) : std::nullopt;
}
/// Whether a menu item shows a check mark, and whether it is shown now (the
/// aids that are on, the channel heard, a loop set); none for the others.
std::optional<bool> shown_checked(Command command, const RunState& state);

/// The command's row.
const CommandRow& command_row(Command command);
/// Whether the command drives or reads the player at once, and so waits
/// while it does not answer. Dialogs, files and the tip timer go on without
/// it (a load or go-to the player missed is carried out once it answers).
bool needs_answering_player(Command command);
inline bool moves_position(Command command)
{
    return command_row(command).moves;
}

} // namespace cuedeck
