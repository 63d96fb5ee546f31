#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace cuedeck {

using Json = nlohmann::json;

/// One IPC command: its words as a JSON array, e.g. ipc("seek", 12.5, "absolute").
template <typename... Words> Json ipc(Words&&... words)
{
    return Json::array({Json(std::forward<Words>(words))...});
}

/// The bytes of mpv's JSON IPC, apart from any socket.
///
/// Commands go out as one JSON line each, tagged with a request id. Replies
/// come back as lines too, in any split the socket delivers, mixed with event
/// lines; a reply may arrive after its caller gave up waiting. feed() takes
/// bytes as they come, take() hands out the reply to one request. Numbers are
/// written and read without the C library's locale, so a comma-decimal
/// desktop sends 12.5, not 12,5.
class MpvProtocol
{
public:
    struct Reply // NOLINT(bugprone-exception-escape): moving a JSON value does not throw
    {
        bool success = false; ///< mpv's "error" was "success"
        Json data;            ///< null when the reply carried none
    };

    /// The line that sends `command` (a JSON array of its words).
    static std::string encode(std::int64_t request_id, const Json& command);

    void feed(std::string_view bytes);
    /// The reply to `request_id` once it has arrived. Replies to earlier
    /// requests that nobody took are dropped then: they came too late.
    std::optional<Reply> take(std::int64_t request_id);
    /// Bytes of a line not yet complete.
    std::size_t pending_bytes() const { return m_buffer.size(); }

    /// Whether mpv said it could not play the playlist entry with this id
    /// (its "end-file" event with the reason "error") after it had begun
    /// more than `files_started` files: a failure of this load, not of an
    /// earlier one (the file may have been mended since). mpv goes on to the
    /// next entry by itself then.
    bool failed(std::int64_t entry_id, std::uint64_t files_started = 0) const
    {
        const auto found = m_failed.find(entry_id);
        return found != m_failed.end() && found->second > files_started;
    }
    /// At most this many failed entries are remembered; past it the oldest
    /// knowledge goes, and such an entry is simply tried again.
    static constexpr std::size_t most_failed = 4096;
    /// How many seeks mpv has finished: a "seek" event followed by a
    /// "playback-restart" (it is at its target, or at the end of the file).
    std::uint64_t seeks_done() const { return m_seeks_done; }
    /// How many files mpv has begun to load ("start-file" events).
    std::uint64_t files_started() const { return m_files_started; }
    /// How many files mpv has finished loading ("file-loaded" events): each
    /// load, of the same file again too, begins with none of the tracks
    /// added to the one before.
    std::uint64_t files_loaded() const { return m_files_loaded; }

    /// What mpv last told of a property it was asked to observe (its
    /// "property-change" events): null while it has no value; nothing
    /// before it has told of it at all.
    const Json* told(std::string_view property) const
    {
        const auto found = m_told.find(property);
        return found == m_told.end() ? nullptr : &found->second;
    }
    /// How many times mpv has told of a change of the place in the file
    /// ("time-pos").
    std::uint64_t places_told() const { return m_places_told; }

    /// A line longer than this is dropped rather than held without end.
    static constexpr std::size_t max_line = std::size_t{16} * 1024 * 1024;

private:
    void accept_line(std::string_view line);

    std::string m_buffer;
    bool m_discarding = false; ///< inside an overlong line, until its newline
    std::map<std::int64_t, Reply> m_replies;
    /// Each failed entry, with how many files mpv had begun when it failed.
    std::map<std::int64_t, std::uint64_t> m_failed;
    bool m_seeking = false;
    std::uint64_t m_seeks_done = 0;
    std::uint64_t m_files_started = 0;
    std::uint64_t m_files_loaded = 0;
    std::map<std::string, Json, std::less<>> m_told;
    std::uint64_t m_places_told = 0;
};

/// `bytes` with every sequence that is not UTF-8 replaced by U+FFFD. mpv
/// passes file names through as the file system stores them, which need not
/// be UTF-8; a JSON reader refuses those.
std::string valid_utf8(std::string_view bytes);

} // namespace cuedeck
