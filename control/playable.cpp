#include "control/playable.h"

#include "base/text_lines.h"
#include "files/playlist_format.h"

namespace cuedeck {

std::string describe(FileProblem problem)
{
    switch (problem) {
    case FileProblem::None:
        break;
    case FileProblem::NotLocal:
        return "it is not a file on this computer";
    case FileProblem::Missing:
        return "no such file";
    case FileProblem::Folder:
        return "it is a folder";
    case FileProblem::NotRegular:
        return "it is not a regular file";
    case FileProblem::NoPermission:
        return "permission denied";
    case FileProblem::TooLarge:
        return "it is larger than 1 MiB";
    }
    return {};
}

std::string resolved_against(const std::string& folder, const std::string& path, char separator)
{
    if (path.empty() || is_absolute_path(path, separator) || is_url(path))
        return path;
    return folder + path;
}

std::optional<Unplayable> why_unplayable(System& system, const std::string& path)
{
    const FileProblem problem = is_url(path) ? FileProblem::NotLocal
                                             : system.local_file_problem(path);
    if (problem != FileProblem::None)
        return Unplayable{problem, describe(problem)};
    const char separator = system.path_separator();
    if (!is_playlist_name(path))
        return std::nullopt;

    const auto text = system.read_file(path);
    if (!text) // a local, readable file that could not be read whole
        return Unplayable{FileProblem::TooLarge, describe(FileProblem::TooLarge)};
    const bool pls = equal_ignoring_case(file_extension(path, separator), ".pls");
    const PlaylistContents contents = parse_playlist(*text, pls);
    if (contents.unsupported_line)
        return Unplayable{FileProblem::None, "line " + std::to_string(*contents.unsupported_line) +
                                                 " makes it something else than a list of files"};
    const std::string folder(folder_of(path, separator));
    for (const PlaylistEntry& entry : contents.entries) {
        const std::string target = resolved_against(folder, entry.target, separator);
        std::string why;
        if (is_url(entry.target))
            why = describe(FileProblem::NotLocal);
        else if (const FileProblem at_fault = system.local_file_problem(target);
                 at_fault != FileProblem::None)
            why = describe(at_fault);
        else if (is_playlist_name(target))
            why = "a playlist inside a playlist is not played";
        if (!why.empty())
            return Unplayable{FileProblem::None, "line " + std::to_string(entry.line) + " names " +
                                                     entry.target + ": " + why};
    }
    return std::nullopt;
}

} // namespace cuedeck
