#include "control/commands/program_options.h"

#include "base/text_lines.h"
#include "base/version.h"
#include "control/commands/commands.h"
#include "files/channel_request.h"

/// The player the program drives on this platform.
#ifdef _WIN32
#define CUEDECK_PLAYER_NAME "Winamp"
#else
#define CUEDECK_PLAYER_NAME "mpv"
#endif

namespace cuedeck {

namespace {

ProgramRequest unusable(std::string why)
{
    return {ProgramRequest::Kind::Unusable, std::move(why)};
}

ProgramRequest send_command(const std::vector<std::string>& arguments, std::string name,
                            std::size_t words)
{
    if (arguments.size() > words)
        return unusable("--command takes one name; " + arguments[words] + " is one too many");
    if (!command_named(name))
        return unusable(unknown_command(name));
    return {ProgramRequest::Kind::SendCommand, std::move(name)};
}

} // namespace

ProgramRequest program_request(const std::vector<std::string>& arguments)
{
    if (arguments.size() < 2)
        return {};
    const std::string& first = arguments[1];
    if (first == "--help" || first == "-h")
        return {ProgramRequest::Kind::Help, {}};
    if (first == "--version")
        return {ProgramRequest::Kind::Version, {}};
    if (first == "--command") {
        if (arguments.size() < 3)
            return unusable("--command needs a name; cuedeck --help lists them");
        return send_command(arguments, arguments[2], 3);
    }
    // The text's words, as an editor macro may pass them unquoted.
    if (first == "--go-to" || first.starts_with("--go-to=")) {
        std::string text = first == "--go-to" ? std::string() : first.substr(8);
        for (std::size_t i = 2; i < arguments.size(); ++i)
            text += (text.empty() ? "" : " ") + arguments[i];
        if (text.empty())
            return unusable("--go-to needs a place, such as \"[2 00:01:23.4]\" or 1:23");
        return {ProgramRequest::Kind::GoTo, std::move(text)};
    }
    constexpr std::string_view with_value = "--command=";
    if (first.starts_with(with_value))
        return send_command(arguments, first.substr(with_value.size()), 2);
    if (first.starts_with("--"))
        return unusable("unknown option " + first + "; cuedeck --help lists the options");
    return {};
}

std::string unknown_command(const std::string& name)
{
    return "no command is called \"" + name + "\"; cuedeck --help lists them";
}

std::string usage_text()
{
    std::string text =
        "Usage: cuedeck [FILE]\n"
        "       cuedeck --command NAME\n"
        "       cuedeck --go-to TEXT\n"
        "\n"
        "Cuedeck remote-controls " CUEDECK_PLAYER_NAME " for working through a tape group.\n"
        "FILE is a tape group (.grp) to open; when Cuedeck already runs,\n"
        "the running copy opens it.\n"
        "\n"
        "  --command NAME  have the running Cuedeck carry out one command\n"
        "  --go-to TEXT    have it go to the first place in TEXT, such as\n"
        "                  [2 00:01:23.4] (tip 2) or 1:23.4\n"
        "  --help          show this text\n"
        "  --version       show the version\n"
        "\n"
        "Commands:";
    std::size_t column = 80;
    for (const CommandRow& row : command_table()) {
        if (row.name == nullptr)
            continue;
        const std::string name = row.name;
        if (column + 1 + name.size() > 72) {
            text += "\n ";
            column = 1;
        }
        text += " " + name;
        column += 1 + name.size();
    }
    return text + "\n";
}

std::string go_to_named(const std::string& text)
{
    return "go-to \"" + text_head(text) + "\"";
}

std::string request_too_long(const std::string& what, std::size_t length, std::size_t most)
{
    return what + " was not carried out: the text is too long (" + std::to_string(length) +
           " bytes to send, at most " + std::to_string(most) + ")";
}

std::string none_running_for(const std::string& what)
{
    return "no Cuedeck is running to carry out " + what;
}

std::string not_carried_out(const std::string& what, const std::string& reason)
{
    return what + " was not carried out: " + reason;
}

std::optional<int> answer_without_window(const ProgramRequest& request,
                                         const SendToRunningCopy& send, const ProgramOutput& output)
{
    RequestLine line;
    std::string what;
    switch (request.kind) {
    case ProgramRequest::Kind::Run:
        return std::nullopt;
    case ProgramRequest::Kind::Help:
        output.out(usage_text());
        return 0;
    case ProgramRequest::Kind::Version:
        output.out(std::string("cuedeck ") + CUEDECK_VERSION + "\n");
        return 0;
    case ProgramRequest::Kind::Unusable:
        output.error(request.value);
        return 2;
    case ProgramRequest::Kind::SendCommand:
        line = [&request](std::int64_t until) {
            return format_command_request(request.value, until);
        };
        what = request.value;
        break;
    case ProgramRequest::Kind::GoTo:
        line = [&request](std::int64_t until) {
            return format_go_to_request(request.value, until);
        };
        what = go_to_named(request.value);
        break;
    }
    if (const std::size_t length = line(0).size(); length > longest_request_line) {
        output.error(request_too_long(what, length, longest_request_line));
        return 1;
    }
    std::string reason;
    switch (send(line, reason)) {
    case Delivery::CarriedOut:
        return 0;
    case Delivery::NoneRunning:
        output.error(none_running_for(what));
        return 1;
    case Delivery::Refused:
        break;
    }
    output.error(not_carried_out(what, reason));
    return 1;
}

} // namespace cuedeck
