#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cuedeck {

/// What the program was asked on its command line.
struct ProgramRequest
{
    enum class Kind {
        Run,         ///< start (or hand the file to the running copy)
        SendCommand, ///< --command NAME: have the running copy carry it out
        GoTo,        ///< --go-to TEXT: have the running copy go to the place in it
        Help,        ///< --help, -h
        Version,     ///< --version
        Unusable,    ///< an option it does not know, or one missing its value
    };
    Kind kind = Kind::Run;
    /// The command's name; the text to go to; for Unusable, what is wrong, in a line.
    std::string value;
};

/// Read the program's own options from its arguments (the program name
/// first). Only a first argument that starts with "--" (or is "-h") is taken
/// as an option; anything else is a run, and its words name the file to open.
ProgramRequest program_request(const std::vector<std::string>& arguments);

/// Why a name is not one of the commands, in a line.
std::string unknown_command(const std::string& name);

/// The lines --help prints.
std::string usage_text();

/// What --command and --go-to say when the running copy did not carry the
/// request out, in a line (without "cuedeck: " or the line break); `what`
/// names the request: the command's name, or go_to_named(text).
std::string go_to_named(const std::string& text);
std::string request_too_long(const std::string& what, std::size_t length, std::size_t most);
std::string none_running_for(const std::string& what);
std::string not_carried_out(const std::string& what, const std::string& reason);

/// What the running copy said of a request sent to it.
enum class Delivery {
    CarriedOut,
    NoneRunning, ///< no copy of this user's runs
    Refused,     ///< it runs, but did not carry the request out; see the reason
};
/// The request's line, given until when it may be begun.
using RequestLine = std::function<std::string(std::int64_t until_ms)>;
/// Send the running copy a request and wait until it is carried out; a
/// refusal's reason in `reason`. Each platform's one-copy channel does it.
using SendToRunningCopy = std::function<Delivery(const RequestLine& line, std::string& reason)>;
/// Where the program says what it has to say without a window.
struct ProgramOutput
{
    std::function<void(const std::string& text)> out;   ///< standard output, as it stands
    std::function<void(const std::string& line)> error; ///< a line for standard error
};

/// Carry out a request that needs no window (help, the version, a command
/// or a go-to for the running copy, or one it cannot read): its exit
/// status. Nothing for a run, which the program starts its window for.
std::optional<int> answer_without_window(const ProgramRequest& request,
                                         const SendToRunningCopy& send,
                                         const ProgramOutput& output);

} // namespace cuedeck
