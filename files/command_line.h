#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cuedeck {

class System;

/// The tape group file named on the command line: the text after the
/// program name, expanded to the names the file system stores, when it ends
/// in ".grp" (any case). Nothing otherwise.
std::optional<std::string> tape_group_from_command_line(std::string_view command_line,
                                                        System& system);

/// The command line's text after the program name and the blanks after it.
/// A program name in double quotes ends at the closing quote.
std::string_view command_line_argument(std::string_view command_line);

/// Rebuild a path one component at a time with each entry's stored name
/// (a short or differently cased name becomes the name on disk). Nothing when
/// a component does not exist.
std::optional<std::string> expand_long_path(std::string_view input, System& system);

/// The last dot and what follows it in the path's file name; empty when the
/// name has no dot.
std::string_view file_extension(std::string_view path, char separator);

} // namespace cuedeck
