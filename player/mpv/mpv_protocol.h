#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "player/mpv/json.h"

namespace cuedeck {

/// The bytes of mpv's JSON IPC, apart from any socket.
///
/// Commands go out as one JSON line each, tagged with a request id. Replies
/// come back as lines too, in any split the socket delivers, mixed with event
/// lines; a reply may arrive after its caller gave up waiting. feed() takes
/// bytes as they come, take() hands out the reply to one request.
class MpvProtocol
{
public:
    using Argument = std::variant<std::string, std::int64_t, double, bool>;

    struct Reply
    {
        bool success = false; ///< mpv's "error" was "success"
        json::Value data;     ///< null when the reply carried none
    };

    /// The line that sends `arguments` as one command.
    static std::string encode(std::int64_t request_id, const std::vector<Argument>& arguments);

    void feed(std::string_view bytes);
    /// The reply to `request_id` once it has arrived. Replies to earlier
    /// requests that nobody took are dropped then: they came too late.
    std::optional<Reply> take(std::int64_t request_id);
    /// Bytes of a line not yet complete.
    std::size_t pending_bytes() const { return m_buffer.size(); }

    /// A line longer than this is dropped rather than held without end.
    static constexpr std::size_t max_line = 16 * 1024 * 1024;

private:
    void accept_line(std::string_view line);

    std::string m_buffer;
    bool m_discarding = false; ///< inside an overlong line, until its newline
    std::map<std::int64_t, Reply> m_replies;
};

} // namespace cuedeck
