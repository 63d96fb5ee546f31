#include "files/command_line.h"

#include "base/text_lines.h"

namespace cuedeck {

std::string_view command_line_argument(std::string_view command_line)
{
    std::size_t i = 0;
    if (!command_line.empty() && command_line[0] == '"') {
        const std::size_t closing = command_line.find('"', 1);
        i = closing == std::string_view::npos ? command_line.size() : closing + 1;
    } else {
        i = std::min(command_line.find(' '), command_line.size());
    }
    while (i < command_line.size() && command_line[i] == ' ')
        ++i;
    return command_line.substr(i);
}

std::optional<std::string> tape_group_from_command_line(std::string_view command_line,
                                                        DirectoryEntries& entries)
{
    std::string_view argument = command_line_argument(command_line);
    if (argument.empty())
        return std::nullopt;
    // Shells and file managers quote a path with blanks: take what is inside.
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
        argument = argument.substr(1, argument.size() - 2);

    auto path = expand_long_path(argument, entries);
    if (!path || !equal_ignoring_case(file_extension(*path, entries.path_separator()), ".grp"))
        return std::nullopt;
    return path;
}

std::optional<std::string> expand_long_path(std::string_view input, DirectoryEntries& entries)
{
    const char separator = entries.path_separator();
    std::string prefix; // as typed
    std::string output; // as stored
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = input.find(separator, start);
        const bool last = end == std::string_view::npos;
        const std::string_view component =
            input.substr(start, last ? std::string_view::npos : end - start);
        // An empty component before a separator (a leading one, or two in a
        // row) adds only the separator; an empty last one must still resolve.
        if (!component.empty() || last) {
            prefix += component;
            if (entries.has_drive_letters() && component.find(':') != std::string_view::npos) {
                output += component;
            } else {
                const auto name = entries.stored_name({prefix, output, component});
                if (!name)
                    return std::nullopt;
                output += *name;
            }
        }
        if (last)
            return output;
        prefix += separator;
        output += separator;
        start = end + 1;
    }
}

} // namespace cuedeck
