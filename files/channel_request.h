#pragma once

#include <string>
#include <string_view>

namespace cuedeck {

/// The one-line requests a later start of the program sends the running copy,
/// and the one-line answers it gets back.
///
///     open /music/group%20one.grp      a file to open (empty: only show the window)
///     command next-tip                 a command by name
///     goto %5B2%2000%3A01%3A23.4%5D    go to the place in a text
///
/// Paths are percent-encoded, so that every byte of a name, a line break
/// included, arrives as it was. A CR before the LF is tolerated.
struct ChannelRequest
{
    enum class Kind { Open, Command, GoTo, Unknown };
    Kind kind = Kind::Unknown;
    /// Open: the path as bytes; Command: the name; GoTo: the text;
    /// Unknown: a short,
    /// printable start of what came, to name in the refusal.
    std::string value;
};

/// The line for a request, its line break included.
std::string format_open_request(std::string_view path);
std::string format_command_request(std::string_view name);
std::string format_go_to_request(std::string_view text);

/// One line as received, without its LF.
ChannelRequest parse_channel_request(std::string_view line);

/// The answers: done, or refused with a reason on the same line.
inline constexpr std::string_view channel_ok = "ok";
inline constexpr std::string_view channel_refused = "refused ";
/// The answer line (LF included) that refuses with `reason`, on one line.
std::string format_refusal(std::string_view reason);
/// The reason in an answer line (without its LF) that refuses; the whole
/// line when it is neither ok nor a refusal.
std::string refusal_reason(std::string_view answer);

} // namespace cuedeck
