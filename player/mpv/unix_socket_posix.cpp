#include "player/mpv/unix_socket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace cuedeck {

UnixSocket::~UnixSocket()
{
    close();
}

void UnixSocket::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool UnixSocket::connect(const std::string& path)
{
    close();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // A Unix socket connects at once or not at all: a stale socket file
    // refuses, a missing one is not there.
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

bool UnixSocket::wait_for(short events, Clock::time_point deadline)
{
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd descriptor{m_fd, events, 0};
        const int ready =
            ::poll(&descriptor, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

UnixSocket::Status UnixSocket::send_all(std::string_view bytes, Clock::time_point deadline)
{
    while (!bytes.empty()) {
        if (m_fd < 0)
            return Status::Closed;
        const ssize_t sent = ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
            continue;
        }
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!wait_for(POLLOUT, deadline))
                return Status::TimedOut;
            continue;
        }
        close();
        return Status::Closed;
    }
    return Status::Ok;
}

UnixSocket::Status UnixSocket::receive(std::string& out, Clock::time_point deadline)
{
    char buffer[65536];
    for (;;) {
        if (m_fd < 0)
            return Status::Closed;
        const ssize_t got = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (got > 0) {
            out.append(buffer, static_cast<std::size_t>(got));
            return Status::Ok;
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!wait_for(POLLIN, deadline))
                return Status::TimedOut;
            continue;
        }
        close(); // EOF, reset
        return Status::Closed;
    }
}

} // namespace cuedeck
