#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cuedeck {

/// One step of turning a typed path into the names the file system stores:
/// the component being resolved, the path typed so far (ending with that
/// component) and the already resolved directory it lives in.
struct EntryQuery
{
    std::string_view typed_prefix;
    std::string_view resolved_directory;
    std::string_view component;
};

/// How the file system names its entries: what expand_long_path asks.
class DirectoryEntries
{
public:
    virtual ~DirectoryEntries() = default;
    /// The separator of path components: '\\' on Windows, '/' elsewhere.
    virtual char path_separator() const = 0;
    /// Whether a component holding ':' is a drive, kept as typed.
    virtual bool has_drive_letters() const = 0;
    /// The stored name of the directory entry a typed component resolves to,
    /// or nothing when there is none.
    virtual std::optional<std::string> stored_name(const EntryQuery& query) = 0;
};

/// The tape group file named on the command line: the text after the
/// program name, expanded to the names the file system stores, when it ends
/// in ".grp" (any case). Nothing otherwise.
std::optional<std::string> tape_group_from_command_line(std::string_view command_line,
                                                        DirectoryEntries& entries);

/// The command line's text after the program name and the blanks after it.
/// A program name in double quotes ends at the closing quote.
std::string_view command_line_argument(std::string_view command_line);

/// Rebuild a path one component at a time with each entry's stored name
/// (a short or differently cased name becomes the name on disk). Nothing when
/// a component does not exist.
std::optional<std::string> expand_long_path(std::string_view input, DirectoryEntries& entries);

} // namespace cuedeck
