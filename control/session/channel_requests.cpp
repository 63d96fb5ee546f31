#include "control/session/channel_requests.h"

#include "control/commands/program_options.h"

namespace cuedeck {

std::optional<Request> request_from_channel(const ChannelRequest& line, std::string& refusal)
{
    refusal.clear();
    switch (line.kind) {
    case ChannelRequest::Kind::GoTo:
        return Request{Command::GoToPlace, line.value};
    case ChannelRequest::Kind::Command:
        if (const auto command = command_named(line.value))
            return Request{*command};
        refusal = unknown_command(line.value);
        return std::nullopt;
    case ChannelRequest::Kind::Open:
    case ChannelRequest::Kind::Unknown:
        break;
    }
    refusal = std::string(channel_reason::unknown_request) + ": " + line.value;
    return std::nullopt;
}

std::string channel_answer(const std::string& refusal)
{
    std::string said;
    for (const char c : refusal) {
        const bool blank =
            c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
        if (!blank)
            said += c;
        else if (!said.empty() && said.back() != ' ')
            said += ' ';
    }
    if (!said.empty() && said.back() == ' ')
        said.pop_back();
    return said.empty() ? std::string(channel_ok) + '\n' : format_refusal(said);
}

} // namespace cuedeck
