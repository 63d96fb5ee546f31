#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cuedeck {

/// The one-line requests a later start of the program sends the running copy,
/// and the one-line answers it gets back.
///
///     open /music/group%20one.grp      a file to open (empty: only show the window)
///     command next-tip                 a command by name
///     goto %5B2%2000%3A01%3A23.4%5D    go to the place in a text
///     command next-tip until 81234567  ... unless it is too late by then
///
/// Paths are percent-encoded, so that every byte of a name, a line break
/// included, arrives as it was. A CR before the LF is tolerated.
///
/// A command or a go-to may say until when its sender waits for the answer:
/// milliseconds of the computer's monotonic clock (std::chrono::steady_clock,
/// which all its processes share). The running copy does not begin one after
/// that, so that a sender that gave up never has it carried out behind its
/// back.
struct ChannelRequest
{
    enum class Kind { Open, Command, GoTo, Unknown };
    Kind kind = Kind::Unknown;
    /// Open: the path as bytes; Command: the name; GoTo: the text;
    /// Unknown: a short,
    /// printable start of what came, to name in the refusal.
    std::string value;
    /// Command and GoTo: not to be begun after this; none: whenever.
    std::optional<std::int64_t> until_ms{};
};

/// The longest request line the running copy reads: a path of some thousand
/// bytes, or a page of text to find a place in, encoded.
inline constexpr std::size_t longest_request_line = std::size_t{64} * 1024;

/// The line for a request, its line break included.
std::string format_open_request(std::string_view path);
std::string format_command_request(std::string_view name,
                                   std::optional<std::int64_t> until_ms = std::nullopt);
std::string format_go_to_request(std::string_view text,
                                 std::optional<std::int64_t> until_ms = std::nullopt);

/// Now on the clock the deadlines are written in.
std::int64_t channel_clock_ms();

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
