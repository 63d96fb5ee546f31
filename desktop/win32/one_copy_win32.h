#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "control/commands/program_options.h"
#include "control/session/session_port.h"
#include "files/channel_request.h"

namespace cuedeck {

/// One Cuedeck per user session on Windows, and so one player.
///
/// The first copy holds a named mutex of the session and serves a named
/// pipe beside it (this user's, local clients only). A later copy hands its
/// file (or nothing, to have the window raised) to the first and ends;
/// `cuedeck --command NAME` and `--go-to TEXT` use the same pipe. Its lines
/// are those of files/channel_request.h, as on Linux, and are read as
/// untrusted: at most one line of bounded length a connection, anything
/// that is not a well-formed request refused and nothing run.
///
/// The pipe is served by threads of their own that never touch the run: a
/// file or a request is handed to the window's message loop (`Poster`), and
/// a command's answer is written once the loop has carried it out, if its
/// sender still waits. Several senders are answered at once, each within
/// its own deadlines, so that one that says nothing holds up no other.
class OneCopyWin32
{
public:
    enum class Role {
        First,         ///< this copy runs; later copies' files arrive by the listener
        HandedOver,    ///< the running copy took the file; this copy should end
        NotHandedOver, ///< a copy runs but did not take the file; see the reason
        Alone,         ///< neither could be done: run on anyway
    };
    using Delivery = cuedeck::Delivery;

    /// What the copies of one user's session meet at: the mutex's and the
    /// pipe's names are made from it. The default is this user's.
    static std::wstring own_meeting_name();

    /// The pipe the copies of `meeting` talk through.
    static std::wstring pipe_for(const std::wstring& meeting);

    explicit OneCopyWin32(std::wstring meeting = own_meeting_name());
    ~OneCopyWin32();
    OneCopyWin32(const OneCopyWin32&) = delete;
    OneCopyWin32& operator=(const OneCopyWin32&) = delete;

    /// Become the running copy, or hand `file` (UTF-8, absolute; may be
    /// empty) to it. `reason` says why a running copy did not take it.
    Role claim(const std::string& file, std::string& reason);

    using Request = RequestLine;
    /// Send the running copy a request and wait until it is carried out.
    static Delivery send_request(const std::wstring& meeting, const Request& request,
                                 std::string& reason);

    /// How work reaches the window's message loop; callable from any thread.
    using Poster = std::function<void(std::function<void()> work)>;
    /// A later copy's file (UTF-8; empty when it only asked to be shown), on
    /// the window's thread.
    using FileArrived = std::function<void(const std::string& file)>;
    /// Start serving the pipe, once this copy is the first: requests are
    /// carried out by `session`, from the loop `post` reaches.
    void serve(SessionPort& session, Poster post, FileArrived arrived);
    /// Stop serving (before the window and the session go); the destructor
    /// does it too.
    void stop();

private:
    void serve_pipe();
    /// Read one request from the connected pipe, act on it and answer (on
    /// the sender's own thread).
    void answer_one(HANDLE pipe);
    /// Carry out a command or go-to in the window's loop; the answer line.
    std::string carried_out(const ChannelRequest& request, HANDLE pipe);

    std::wstring m_meeting;
    HANDLE m_mutex = nullptr;
    HANDLE m_first_pipe = INVALID_HANDLE_VALUE; ///< made by claim(), served by the thread
    HANDLE m_stop = nullptr;                    ///< set when this copy ends
    SessionPort* m_session = nullptr;
    Poster m_post;
    FileArrived m_arrived;
    std::thread m_thread;
};

} // namespace cuedeck
