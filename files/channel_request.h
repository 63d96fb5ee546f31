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
///     open  activate abc%3D            ... and the launcher's token to come forward with
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
    /// Open: the Wayland activation token the later copy's launcher gave it
    /// (XDG_ACTIVATION_TOKEN), for the window to come forward with; empty:
    /// none.
    std::string activation_token{};
};

/// The longest request line the running copy reads: a path of some thousand
/// bytes, or a page of text to find a place in, encoded.
inline constexpr std::size_t longest_request_line = std::size_t{64} * 1024;

/// How long the two ends of the channel wait for each other, on every
/// platform. A later copy waits `file_answer_ms` for the running one to take
/// a file (it is taken at once, before it is opened). A command may be begun
/// within `command_begun_within_ms`; the running copy says `channel_begun`
/// when it begins one, and answers once it is carried out, which may wait
/// for a slow player (each of its calls for half a second at most). Its
/// sender waits `begun_heard_within_ms` for the first line, so a copy that
/// is stopped or busy costs that wait and no more, and `command_answer_ms`
/// for the answer after "begun". A copy that holds the
/// one-copy lock but does not listen yet (it is still starting) is tried
/// `tries` times, `try_interval_ms` apart. The running copy closes a
/// connection that stays silent for `idle_ms`.
namespace channel_wait {
inline constexpr int file_answer_ms = 5000;
inline constexpr int command_begun_within_ms = 5000;
inline constexpr int begun_heard_within_ms = command_begun_within_ms + 500;
inline constexpr int command_answer_ms = 15000;
inline constexpr int tries = 50;
inline constexpr int try_interval_ms = 100;
inline constexpr int idle_ms = 5000;
} // namespace channel_wait

/// What a later copy says when the running one did not answer as it should.
namespace channel_reason {
inline constexpr const char* no_answer_in_time =
    "Cuedeck did not answer in time (it is busy or stopped), so it was not carried out";
inline constexpr const char* no_answer_to_file =
    "Cuedeck did not answer (it may still open it once it does)";
inline constexpr const char* still_starting = "Cuedeck is still starting";
/// The running copy's refusal of a line it cannot read.
inline constexpr const char* unknown_request = "unknown request";
} // namespace channel_reason

/// The line for a request, its line break included.
std::string format_open_request(std::string_view path, std::string_view activation_token = {});
std::string format_command_request(std::string_view name,
                                   std::optional<std::int64_t> until_ms = std::nullopt);
std::string format_go_to_request(std::string_view text,
                                 std::optional<std::int64_t> until_ms = std::nullopt);

/// Now on the clock the deadlines are written in.
std::int64_t channel_clock_ms();

/// One line as received, without its LF.
ChannelRequest parse_channel_request(std::string_view line);

/// The answers: done, or refused with a reason on the same line. A command's
/// answer may follow a first line that says it has begun.
inline constexpr std::string_view channel_begun = "begun";
inline constexpr std::string_view channel_ok = "ok";
inline constexpr std::string_view channel_refused = "refused ";
/// The answer line (LF included) that refuses with `reason`, on one line.
std::string format_refusal(std::string_view reason);
/// The reason in an answer line (without its LF) that refuses; the whole
/// line when it is neither ok nor a refusal.
std::string refusal_reason(std::string_view answer);

} // namespace cuedeck
