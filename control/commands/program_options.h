#pragma once

#include <cstddef>
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

} // namespace cuedeck
