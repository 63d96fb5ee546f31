#include "control/run/playable.h"

#include "base/text_lines.h"
#include "base/translation.h"
#include "files/playlist_format.h"

namespace cuedeck {

std::string describe(FileProblem problem)
{
    switch (problem) {
    case FileProblem::None:
        break;
    case FileProblem::NotLocal:
        return translated(UI_TEXT("it is not a file on this computer"));
    case FileProblem::Missing:
        return translated(UI_TEXT("no such file"));
    case FileProblem::Folder:
        return translated(UI_TEXT("it is a folder"));
    case FileProblem::NotRegular:
        return translated(UI_TEXT("it is not a regular file"));
    case FileProblem::NoPermission:
        return translated(UI_TEXT("permission denied"));
    case FileProblem::TooLarge:
        return translated(UI_TEXT("it is larger than 1 MiB"));
    }
    return {};
}

std::string resolved_against(const std::string& folder, const std::string& path, char separator)
{
    if (path.empty() || is_absolute_path(path, separator) || is_url(path))
        return path;
    return folder + path;
}

namespace {

constexpr std::size_t sniffed_bytes = 512;

/// Whether a file's start is text: the player would read a text file that
/// is named like a recording as a playlist (and fetch what it names).
bool is_text(std::string_view start)
{
    if (start.empty())
        return false;
    for (const char c : start) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7F)
            return false;
    }
    return true;
}

/// Why a file that is not a playlist is no recording to hand over; empty when it may be one.
std::string why_no_recording(System& system, const std::string& path)
{
    const FileProblem problem =
        is_url(path) ? FileProblem::NotLocal : system.local_file_problem(path);
    if (problem != FileProblem::None)
        return describe(problem);
    if (const auto start = system.read_start(path, sniffed_bytes); start && is_text(*start))
        return translated(UI_TEXT("it is text, not a recording"));
    return {};
}

/// Where an entry of the list in `folder` leads: where it names, or, when
/// nothing is there, to the file of its name beside the list (the list
/// travelled with its recordings: copied elsewhere, or written on the other
/// system). `moved` tells which.
std::string entry_target(System& system, const std::string& folder, const std::string& entry,
                         char separator, bool* moved = nullptr)
{
    std::string named = resolved_against(folder, entry, separator);
    if (moved)
        *moved = false;
    if (is_url(named) || system.local_file_problem(named) != FileProblem::Missing)
        return named;
    const std::string_view name = file_name_of(entry, '\\');
    std::string beside = folder + std::string(name);
    if (name.empty() || beside == named || is_playlist_name(name) ||
        system.local_file_problem(beside) != FileProblem::None)
        return named;
    if (moved)
        *moved = true;
    return beside;
}

/// A playlist's text and kind, when it can be read.
struct ListText
{
    std::string text;
    bool pls = false;
};

std::optional<ListText> list_text(System& system, const std::string& path)
{
    auto text = is_playlist_name(path) ? system.read_file(path) : std::nullopt;
    if (!text)
        return std::nullopt;
    return ListText{std::move(*text),
                    equal_ignoring_case(file_extension(path, system.path_separator()), ".pls")};
}

} // namespace

std::optional<Unplayable> why_unplayable(System& system, const std::string& path)
{
    const FileProblem problem =
        is_url(path) ? FileProblem::NotLocal : system.local_file_problem(path);
    if (problem != FileProblem::None)
        return Unplayable{problem, describe(problem)};
    const char separator = system.path_separator();
    if (!is_playlist_name(path)) {
        if (std::string why = why_no_recording(system, path); !why.empty())
            return Unplayable{FileProblem::None, std::move(why)};
        return std::nullopt;
    }

    const auto text = system.read_file(path);
    if (!text) // a local, readable file that could not be read whole
        return Unplayable{FileProblem::TooLarge, describe(FileProblem::TooLarge)};
    const bool pls = equal_ignoring_case(file_extension(path, separator), ".pls");
    const PlaylistContents contents = parse_playlist(*text, pls);
    if (contents.unsupported_line)
        return Unplayable{
            FileProblem::None,
            translated(UI_TEXT("line %1 makes it something else than a list of files"),
                       {std::to_string(*contents.unsupported_line)})};
    const std::string folder(folder_of(path, separator));
    for (const PlaylistEntry& entry : contents.entries) {
        const std::string target = entry_target(system, folder, entry.target, separator);
        const std::string why =
            is_playlist_name(target) && !is_url(target)
                ? translated(UI_TEXT("a playlist inside a playlist is not played"))
                : why_no_recording(system, target);
        if (!why.empty())
            return Unplayable{FileProblem::None,
                              translated(UI_TEXT("line %1 names %2: %3"),
                                         {std::to_string(entry.line), entry.target, why})};
    }
    return std::nullopt;
}

std::vector<std::string> playlist_recordings(System& system, const std::string& path)
{
    std::vector<std::string> recordings;
    const auto list = list_text(system, path);
    if (!list)
        return recordings;
    const char separator = system.path_separator();
    const std::string folder(folder_of(path, separator));
    for (const PlaylistEntry& entry : parse_playlist(list->text, list->pls).entries)
        recordings.push_back(entry_target(system, folder, entry.target, separator));
    return recordings;
}

std::vector<RenamedEntry> moved_entries(System& system, const std::string& path)
{
    std::vector<RenamedEntry> moved;
    const auto list = list_text(system, path);
    if (!list)
        return moved;
    const char separator = system.path_separator();
    const std::string folder(folder_of(path, separator));
    for (const PlaylistEntry& entry : parse_playlist(list->text, list->pls).entries) {
        bool found_beside = false;
        const std::string target =
            entry_target(system, folder, entry.target, separator, &found_beside);
        if (found_beside)
            moved.push_back({entry.line, target.substr(folder.size())});
    }
    return moved;
}

std::optional<std::string> with_moved_entries_named(System& system, const std::string& path)
{
    const auto list = list_text(system, path);
    const auto moved = moved_entries(system, path);
    if (!list || moved.empty())
        return std::nullopt;
    return renamed_entries(list->text, list->pls, moved);
}

} // namespace cuedeck
