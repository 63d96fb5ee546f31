#include "player/mpv/mpv_protocol.h"

#include <cmath>
#include <cstdio>

namespace cuedeck {

std::string MpvProtocol::encode(std::int64_t request_id, const std::vector<Argument>& arguments)
{
    std::string line = "{\"command\":[";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0)
            line += ',';
        const Argument& argument = arguments[i];
        if (const auto* text = std::get_if<std::string>(&argument)) {
            line += json::quote(*text);
        } else if (const auto* integer = std::get_if<std::int64_t>(&argument)) {
            line += std::to_string(*integer);
        } else if (const auto* number = std::get_if<double>(&argument)) {
            char formatted[64];
            std::snprintf(formatted, sizeof formatted, "%.3f",
                          std::isfinite(*number) ? *number : 0.0);
            line += formatted;
        } else {
            line += std::get<bool>(argument) ? "true" : "false";
        }
    }
    line += "],\"request_id\":" + std::to_string(request_id) + "}\n";
    return line;
}

void MpvProtocol::feed(std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t newline = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, newline);
        if (!m_discarding)
            m_buffer.append(piece);
        if (m_buffer.size() > max_line) {
            m_buffer.clear();
            m_discarding = true;
        }
        if (newline == std::string_view::npos)
            return;
        if (!m_discarding)
            accept_line(m_buffer);
        m_buffer.clear();
        m_discarding = false;
        bytes.remove_prefix(newline + 1);
    }
}

void MpvProtocol::accept_line(std::string_view line)
{
    const auto message = json::parse(line);
    if (!message || message->find("event") != nullptr)
        return;
    const json::Value* id = message->find("request_id");
    const double* number = id != nullptr ? id->as_number() : nullptr;
    // Ids are ours and small; anything else is not an answer to us.
    if (number == nullptr || !(*number >= 0 && *number < 9.0e15))
        return;
    Reply reply;
    const json::Value* error = message->find("error");
    reply.success =
        error != nullptr && error->as_string() != nullptr && *error->as_string() == "success";
    if (const json::Value* data = message->find("data"))
        reply.data = *data;
    m_replies[static_cast<std::int64_t>(*number)] = std::move(reply);
}

std::optional<MpvProtocol::Reply> MpvProtocol::take(std::int64_t request_id)
{
    const auto found = m_replies.find(request_id);
    if (found == m_replies.end())
        return std::nullopt;
    Reply reply = std::move(found->second);
    m_replies.erase(m_replies.begin(), std::next(found));
    return reply;
}

} // namespace cuedeck
