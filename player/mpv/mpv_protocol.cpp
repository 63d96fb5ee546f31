#include "player/mpv/mpv_protocol.h"

namespace cuedeck {

namespace {

/// The length of the UTF-8 sequence at the start of `bytes`, or 0 when it is
/// not one (overlong forms, surrogates and values past U+10FFFF included).
std::size_t utf8_sequence(std::string_view bytes)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

std::string valid_utf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = utf8_sequence(bytes);
        if (length == 0) {
            text += "\xEF\xBF\xBD";
            bytes.remove_prefix(1);
        } else {
            text += bytes.substr(0, length);
            bytes.remove_prefix(length);
        }
    }
    return text;
}

std::string MpvProtocol::encode(std::int64_t request_id, const Json& command)
{
    const Json message = {{"command", command}, {"request_id", request_id}};
    return message.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
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
    Json message = Json::parse(valid_utf8(line), nullptr, false);
    if (!message.is_object())
        return;
    if (const auto event = message.find("event"); event != message.end()) {
        const auto entry = message.find("playlist_entry_id");
        if (*event == "end-file" && message.value("reason", Json()) == "error" &&
            entry != message.end() && entry->is_number_integer()) {
            // Ids only grow: the smallest is the oldest.
            if (m_failed.size() >= most_failed)
                m_failed.erase(m_failed.begin());
            m_failed[entry->get<std::int64_t>()] = m_files_started;
        } else if (*event == "property-change") {
            const auto name = message.find("name");
            if (name == message.end() || !name->is_string())
                return;
            const auto data = message.find("data");
            // Without data the property has no value now (no file, say).
            Json value = data == message.end() ? Json() : std::move(*data);
            if (*name == "time-pos")
                ++m_places_told;
            m_told.insert_or_assign(name->get<std::string>(), std::move(value));
        } else if (*event == "start-file") {
            ++m_files_started;
        } else if (*event == "file-loaded") {
            ++m_files_loaded;
        } else if (*event == "seek") {
            m_seeking = true;
        } else if (*event == "playback-restart" && m_seeking) {
            m_seeking = false;
            ++m_seeks_done;
        }
        return;
    }
    const auto id = message.find("request_id");
    // Ids are ours: whole, small and not negative; anything else is not an answer to us.
    if (id == message.end() || !id->is_number_integer() || id->get<std::int64_t>() < 0)
        return;
    Reply reply;
    const auto error = message.find("error");
    reply.success = error != message.end() && *error == "success";
    if (const auto data = message.find("data"); data != message.end())
        reply.data = std::move(*data);
    m_replies[id->get<std::int64_t>()] = std::move(reply);
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
