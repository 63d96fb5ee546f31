#include "control/program_options.h"

#include "control/commands.h"

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
    std::string text = "Usage: cuedeck [FILE]\n"
                       "       cuedeck --command NAME\n"
                       "\n"
                       "Cuedeck remote-controls mpv for working through a tape group.\n"
                       "FILE is a tape group (.grp) to open; when Cuedeck already runs,\n"
                       "the running copy opens it.\n"
                       "\n"
                       "  --command NAME  have the running Cuedeck carry out one command\n"
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

} // namespace cuedeck
