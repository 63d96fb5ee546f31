#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace cuedeck {

/// A connected Unix stream socket that only moves bytes, each call bounded by
/// a deadline. A closed peer (EOF, reset, broken pipe) marks it closed for good.
class UnixSocket
{
public:
    using Clock = std::chrono::steady_clock;
    enum class Status { Ok, TimedOut, Closed };

    UnixSocket() = default;
    ~UnixSocket();
    UnixSocket(const UnixSocket&) = delete;
    UnixSocket& operator=(const UnixSocket&) = delete;

    /// Connect to the socket at `path`; false when nobody listens there.
    bool connect(const std::string& path);
    bool is_open() const { return m_fd >= 0; }
    /// The connection's descriptor, to wait on; -1 when closed.
    int descriptor() const { return m_fd; }
    void close();

    Status send_all(std::string_view bytes, Clock::time_point deadline);
    /// Append what arrives (at least one byte) to `out`.
    Status receive(std::string& out, Clock::time_point deadline);

private:
    bool wait_for(short events, Clock::time_point deadline);
    int m_fd = -1;
};

} // namespace cuedeck
