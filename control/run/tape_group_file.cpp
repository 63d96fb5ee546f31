#include "control/run/tape_group_file.h"

#include <algorithm>
#include <optional>

#include "base/program_texts.h"
#include "base/saturating.h"
#include "base/text_lines.h"
#include "base/translation.h"
#include "control/run/controller_view.h"
#include "control/run/playable.h"
#include "control/state/run_state.h"
#include "files/playlist_format.h"
#include "files/tape_group_format.h"
#include "system/system.h"

namespace cuedeck {

namespace {

constexpr const char* tape_group_filter = UI_TEXT("Tape Group Files (*.grp)|*.grp||");
constexpr const char* tape_group_extension = "grp";

/// Where a group's first line leads: a relative path is read against the
/// group's own folder, so that a folder holding both can move.
std::string playlist_of(const std::string& group, const std::string& line, char separator)
{
    return resolved_against(std::string(folder_of(group, separator)), line, separator);
}

/// The playlist beside the group at `group` with the file name of `stored`
/// (whichever system's separators it uses), when the one at `listed` is
/// missing and that one is there to play; empty otherwise. Nothing is looked
/// for beyond the group's own folder.
std::string travelled_playlist(System& system, const std::string& group, const std::string& stored,
                               const std::string& listed)
{
    const auto unplayable = why_unplayable(system, listed);
    if (!unplayable || unplayable->problem != FileProblem::Missing)
        return {};
    const std::string_view name = file_name_of(stored, '\\');
    const std::string beside =
        std::string(folder_of(group, system.path_separator())) + std::string(name);
    return !name.empty() && beside != listed && !why_unplayable(system, beside) ? beside
                                                                                : std::string();
}

/// Why the group at `path` is not opened, its playlist being what it is.
std::string not_opened(const std::string& path, const std::string& playlist,
                       const Unplayable& unplayable)
{
    return unplayable.problem == FileProblem::Missing
               ? translated(UI_TEXT("Cannot open %1: its playlist %2 is missing"), {path, playlist})
               : translated(UI_TEXT("Cannot open %1: its playlist %2 cannot be played\n(%3)"),
                            {path, playlist, unplayable.why});
}

/// A folder's name, for the group made of it: "/talks/2019/" gives "2019".
std::string folder_name(std::string_view folder, char separator)
{
    folder.remove_suffix(folder.empty() ? 0 : 1);
    const std::string_view name = folder.substr(folder_of(folder, separator).size());
    return name.empty() || name.find(':') != std::string_view::npos ? "Tape group"
                                                                    : std::string(name);
}

} // namespace

bool TapeGroupFile::make(std::vector<std::string> recordings)
{
    System& system = m_run.system;
    RunQuestions& ask = m_run.ask;
    const char separator = system.path_separator();
    const auto refuse = [&ask](const std::string& recording, std::string_view why) {
        ask.show_message(
            translated(UI_TEXT("Cannot make a tape group of %1: %2"), {recording, why}));
        return false;
    };
    if (recordings.size() == 1 &&
        system.local_file_problem(recordings.front()) == FileProblem::Folder) {
        std::string folder = recordings.front();
        if (!folder.ends_with(separator) && !folder.ends_with('/'))
            folder += separator;
        const auto names = system.folder_entries(folder);
        if (!names) {
            ask.show_message(translated(UI_TEXT("Cannot read the folder %1"), {folder}));
            return false;
        }
        recordings.clear();
        for (const std::string& name : *names) {
            if (is_recording_name(name) &&
                system.local_file_problem(folder + name) != FileProblem::Folder)
                recordings.push_back(folder + name);
        }
        if (recordings.empty()) {
            ask.show_message(
                translated(UI_TEXT("%1 holds no recordings (.mp3 or .wav files)"), {folder}));
            return false;
        }
    }
    std::sort(recordings.begin(), recordings.end(),
              [](const std::string& a, const std::string& b) { return natural_less(a, b); });
    recordings.erase(std::unique(recordings.begin(), recordings.end()), recordings.end());
    // Every recording is vetted as a playlist's entries are: one that cannot
    // be played would shift every tip after it.
    for (const std::string& recording : recordings) {
        const auto unplayable = why_unplayable(system, recording);
        const std::string why = unplayable ? unplayable->why
                                : !is_recording_name(recording)
                                    ? translated(UI_TEXT("it is no .mp3 or .wav file"))
                                    : "";
        if (!why.empty())
            return refuse(recording, why);
    }

    const std::string folder(folder_of(recordings.front(), separator));
    const auto group =
        ask.choose_file({FileDialogMode::Save, translated(tape_group_filter), tape_group_extension,
                         folder + folder_name(folder, separator) + ".grp",
                         translated(UI_TEXT("Save the new tape group as"))});
    if (!group || m_run.ended())
        return false;
    const std::string_view extension = file_extension(*group, separator);
    const std::string playlist =
        group->substr(0, group->size() - (equal_ignoring_case(extension, ".grp") ? 4 : 0)) + ".m3u";
    const std::string playlist_folder(folder_of(playlist, separator));
    std::vector<std::string> entries;
    for (const std::string& recording : recordings) {
        // A name the list cannot hold as it stands ("#3 talk.mp3" reads as a
        // comment) is written in full.
        std::string entry = relative_to(playlist_folder, recording, separator);
        if (!format_playlist({entry}))
            entry = recording;
        if (!format_playlist({entry}))
            return refuse(recording, translated(UI_TEXT("a playlist cannot hold its name")));
        entries.push_back(std::move(entry));
    }

    if (system.local_file_problem(playlist) != FileProblem::Missing &&
        (!ask.ask_yes_no(
             translated(UI_TEXT("%1 already exists.\nDo you want to replace it?"), {playlist}),
             TEXT_PROGRAM_NAME) ||
         m_run.ended()))
        return false;
    // The open group's question comes before anything is written, with a
    // way back.
    if (!save_prompt_or_cancel())
        return false;
    // The group names its playlist beside it, so that the folder holding
    // both can move.
    const std::string playlist_name = playlist.substr(playlist_folder.size());
    for (const auto& [path, text] : {std::pair{playlist, *format_playlist(entries)},
                                     std::pair{*group, format_tape_group(playlist_name, 0, 0)}}) {
        const Written written = has_line_break(path)
                                    ? Written{translated(UI_TEXT("its name holds a line break"))}
                                    : system.replace_file(path, text);
        if (!written) {
            ask.show_message(translated(UI_TEXT("Cannot save %1: %2"), {path, written.failure}));
            return false;
        }
    }
    return open(*group, GroupRequest::Named, false);
}

void TapeGroupFile::new_command(RecordingChoice choice)
{
    if (auto recordings = m_run.ask.choose_recordings(choice); !recordings.empty())
        make(std::move(recordings));
}

bool TapeGroupFile::open(const std::string& path, GroupRequest request, bool ask_to_save_first)
{
    RunState& state = m_run.state;
    System& system = m_run.system;
    const std::optional<std::string> text = system.read_file(path);
    if (!text) {
        if (request == GroupRequest::Named) {
            const FileProblem problem = system.local_file_problem(path);
            m_run.ask.show_message(translated(
                UI_TEXT("Cannot open %1: %2"),
                {path, describe(problem == FileProblem::None ? FileProblem::TooLarge : problem)}));
            return false;
        }
        // The remembered group is gone: none is open.
        state.tape_group_path.clear();
        set_title();
        state.saved = {state.playlist_path, state.target_tip, state.target_seconds, {}, {}};
        return false;
    }

    const TapeGroupPlace place = parse_tape_group(*text);
    const char separator = system.path_separator();
    const std::string listed = playlist_of(path, place.playlist_path, separator);
    std::string playlist = listed;
    // A group that travelled (copied elsewhere, or from the other system)
    // finds its playlist beside it under the same name; the file says where
    // it was until the group is saved.
    const std::string beside = travelled_playlist(system, path, place.playlist_path, listed);
    if (!beside.empty())
        playlist = beside;
    // A playlist that cannot be played leaves the run as it was, unless the
    // user shows where it went.
    while (!playlist.empty()) {
        const auto unplayable = why_unplayable(system, playlist);
        if (!unplayable)
            break;
        const auto located =
            m_run.ask.offer_locate(not_opened(path, playlist, *unplayable))
                ? m_run.ask.choose_file({FileDialogMode::Open, translated(playlist_filter)})
                : std::nullopt;
        if (!located || m_run.ended()) {
            if (request == GroupRequest::Remembered)
                state.tape_group_path.clear();
            return false;
        }
        playlist = *located;
    }

    if (ask_to_save_first)
        save_prompt();
    state.tape_group_path = path;
    state.playlist_path = playlist;
    // A line 2 without a number keeps the target tip.
    state.target_tip = std::max(saturating_sub(place.tip_line.value_or(state.target_tip), 1), 0);
    state.target_seconds = place.seconds;
    state.target_place_ms.reset();
    state.target_zero_mark.reset();
    m_run.move_to_target();
    set_title();
    // A located playlist is a change to save: the file still names the old place.
    state.saved = {listed, state.target_tip, state.target_seconds, place.playlist_path, *text};
    // One found beside the group is named by its file name alone when saved,
    // so that the group travels again.
    if (!beside.empty() && playlist == beside)
        state.saved.playlist_as_written = file_name_of(beside, separator);
    if (!beside.empty() && playlist == beside)
        m_run.ask.tell(translated(UI_TEXT("The playlist of %1 is not at %2; the one of that name "
                                          "beside it is used, and named in it when you save: %3"),
                                  {path, place.playlist_path, beside}));
    return true;
}

bool TapeGroupFile::resume(const std::string& path, const std::string& playlist, int tip,
                           int position_ms, int zero_mark_ms)
{
    RunState& state = m_run.state;
    System& system = m_run.system;
    const std::optional<std::string> text = system.read_file(path);
    if (!text || why_unplayable(system, playlist))
        return false;
    const TapeGroupPlace place = parse_tape_group(*text);
    state.tape_group_path = path;
    state.playlist_path = playlist;
    state.target_tip = tip;
    state.target_seconds = position_ms / 1000;
    state.target_place_ms.reset();
    state.target_zero_mark = zero_mark_ms;
    m_run.move_to_target();
    set_title();
    state.saved = {playlist_of(path, place.playlist_path, system.path_separator()),
                   std::max(saturating_sub(place.tip_line.value_or(1), 1), 0), place.seconds,
                   place.playlist_path, *text};
    return true;
}

void TapeGroupFile::read()
{
    open(m_run.state.tape_group_path, GroupRequest::Remembered, false);
}

bool TapeGroupFile::write()
{
    RunState& state = m_run.state;
    System& system = m_run.system;
    state.target_tip = state.current_tip;
    state.target_seconds = state.zero_mark / 1000;
    // The playlist in the form the file had it, while it still leads there.
    const std::string& as_written = state.saved.playlist_as_written;
    const std::string line =
        !as_written.empty() && playlist_of(state.tape_group_path, as_written,
                                           system.path_separator()) == state.playlist_path
            ? as_written
            : state.playlist_path;
    const std::string text = format_tape_group(line, state.target_tip, state.target_seconds);

    // A group on a shared folder may have been saved by a colleague meanwhile.
    if (state.saved.text) {
        const auto on_disk = system.read_file(state.tape_group_path);
        if (on_disk && *on_disk != *state.saved.text &&
            !m_run.ask.ask_yes_no(translated(UI_TEXT("%1 was changed by another program since "
                                                     "it was opened. Replace it with this place?"),
                                             {state.tape_group_path}),
                                  TEXT_PROGRAM_NAME))
            return false;
    }
    // A line break in a path would split it over two lines and read back wrong.
    const Written stored = has_line_break(line) || has_line_break(state.tape_group_path)
                               ? Written{translated(UI_TEXT("a name in it holds a line break"))}
                               : system.replace_file(state.tape_group_path, text);
    if (!stored) {
        m_run.ask.show_message(
            translated(UI_TEXT("Cannot save %1: %2"), {state.tape_group_path, stored.failure}));
        return false;
    }
    state.saved = {state.playlist_path, state.target_tip, state.target_seconds, line, text};
    // Recordings found beside a playlist that travelled are named there now,
    // the rest of the list kept as it was.
    if (state.playlist_moved) {
        const auto renamed = with_moved_entries_named(system, state.playlist_path);
        const Written named =
            renamed ? system.replace_file(state.playlist_path, *renamed)
                    : Written{translated(UI_TEXT("a playlist cannot hold their names"))};
        // The place is stored either way; a list that cannot be written (a
        // read-only copy) is told once and played from beside it as before.
        if (!named)
            m_run.ask.show_message(
                translated(UI_TEXT("Cannot save %1: %2"), {state.playlist_path, named.failure}));
        state.playlist_moved = false;
    }
    return true;
}

bool TapeGroupFile::unsaved() const
{
    const RunState& state = m_run.state;
    return !state.tape_group_path.empty() &&
           (state.saved.playlist_path != state.playlist_path || state.playlist_moved ||
            state.saved.tip != state.current_tip || state.saved.seconds != state.zero_mark / 1000);
}

std::string TapeGroupFile::save_question() const
{
    return translated(UI_TEXT("Save changes to %1?"), {m_run.state.tape_group_path});
}

void TapeGroupFile::save_prompt()
{
    if (unsaved() && m_run.ask.ask_yes_no(save_question(), TEXT_PROGRAM_NAME))
        write();
}

bool TapeGroupFile::save_prompt_or_cancel()
{
    if (!unsaved())
        return true;
    const auto answer = m_run.ask.ask_yes_no_cancel(save_question(), TEXT_PROGRAM_NAME);
    if (!answer || m_run.ended())
        return false;
    return !*answer || write();
}

void TapeGroupFile::set_title()
{
    m_run.show.set_title(TEXT_TITLE_BEFORE_GROUP + m_run.state.tape_group_path);
}

void TapeGroupFile::open_command()
{
    // The question comes first, even when the chooser is then cancelled.
    save_prompt();
    if (const auto path = m_run.ask.choose_file(
            {FileDialogMode::Open, translated(tape_group_filter), tape_group_extension}))
        open(*path, GroupRequest::Named, false);
}

void TapeGroupFile::save_command()
{
    if (m_run.state.tape_group_path.empty())
        save_as_command();
    else
        write();
}

void TapeGroupFile::save_as_command()
{
    if (const auto path = m_run.ask.choose_file(
            {FileDialogMode::Save, translated(tape_group_filter), tape_group_extension})) {
        RunState& state = m_run.state;
        state.tape_group_path = *path;
        // The chooser asked before replacing a file; the file read before is not this one.
        state.saved.text.reset();
        set_title();
        write();
    }
}

} // namespace cuedeck
