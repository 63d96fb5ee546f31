#include "desktop/win32/one_copy_win32.h"

#include <sddl.h>

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/wide_text.h"
#include "control/session/channel_requests.h"

namespace cuedeck {

namespace {

/// The pipe's buffers; a request longer than one arrives in several reads.
constexpr DWORD pipe_buffer = 4096;
/// How often a wait for a command's answer looks whether its sender is still there.
constexpr DWORD sender_look_ms = 100;
/// Senders answered at once; one more waits for the next free instance of the pipe.
constexpr LONG most_senders = 16;

/// A sender being answered, on a thread of its own.
struct Sender
{
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
};

std::wstring mutex_name(const std::wstring& meeting)
{
    // Local\: this logon session's namespace, so that another user's copy
    // (fast user switching, a terminal server) is its own.
    return L"Local\\" + meeting;
}

} // namespace

std::wstring OneCopyWin32::pipe_for(const std::wstring& meeting)
{
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return L"\\\\.\\pipe\\" + meeting + L"-" + std::to_wstring(session);
}

namespace {

struct Handle
{
    explicit Handle(HANDLE h = nullptr) : value(h) {}
    ~Handle()
    {
        if (value != nullptr && value != INVALID_HANDLE_VALUE)
            CloseHandle(value);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE value;
};

/// Wait for an overlapped call on `file` to finish within `wait_ms`, or
/// until `stop` is set; the bytes moved, or none (the call is then cancelled).
std::optional<DWORD> finished(HANDLE file, OVERLAPPED& overlapped, BOOL started, DWORD wait_ms,
                              HANDLE stop)
{
    DWORD moved = 0;
    if (started)
        return GetOverlappedResult(file, &overlapped, &moved, FALSE) ? std::optional(moved)
                                                                     : std::nullopt;
    if (GetLastError() != ERROR_IO_PENDING)
        return std::nullopt;
    const HANDLE events[] = {overlapped.hEvent, stop};
    const DWORD count = stop != nullptr ? 2 : 1;
    if (WaitForMultipleObjects(count, events, FALSE, wait_ms) == WAIT_OBJECT_0 &&
        GetOverlappedResult(file, &overlapped, &moved, FALSE))
        return moved;
    CancelIoEx(file, &overlapped);
    GetOverlappedResult(file, &overlapped, &moved, TRUE);
    return std::nullopt;
}

bool write_all(HANDLE file, const std::string& bytes, DWORD wait_ms, HANDLE stop)
{
    Handle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    OVERLAPPED overlapped{};
    overlapped.hEvent = event.value;
    const BOOL started =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, &overlapped);
    const auto moved = finished(file, overlapped, started, wait_ms, stop);
    return moved && *moved == bytes.size();
}

/// One line from `file`, without its LF: none when it does not come whole
/// within `wait_ms` (a sender that trickles a byte at a time is cut off as
/// one that says nothing), when the other end goes, or when it is longer than
/// `longest` (then `too_long` is set). `carried` holds what was read past
/// the line before, and is left with what was read past this one.
std::optional<std::string> read_line(HANDLE file, DWORD wait_ms, HANDLE stop, std::size_t longest,
                                     bool& too_long, std::string& carried)
{
    too_long = false;
    Handle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::string line = std::exchange(carried, {});
    if (const auto end = line.find('\n'); end != std::string::npos) {
        carried = line.substr(end + 1);
        line.resize(end);
        return line;
    }
    char buffer[pipe_buffer];
    const ULONGLONG until = GetTickCount64() + wait_ms;
    // Bounded: no more than `longest` bytes, and `wait_ms` in all, for one line.
    while (line.size() <= longest) {
        const ULONGLONG now = GetTickCount64();
        if (now >= until)
            return std::nullopt;
        OVERLAPPED overlapped{};
        overlapped.hEvent = event.value;
        ResetEvent(event.value);
        const BOOL started = ReadFile(file, buffer, sizeof buffer, nullptr, &overlapped);
        const auto got = finished(file, overlapped, started, static_cast<DWORD>(until - now), stop);
        if (!got || *got == 0)
            return std::nullopt;
        line.append(buffer, *got);
        if (const auto end = line.find('\n'); end != std::string::npos) {
            carried = line.substr(end + 1);
            line.resize(end);
            return line;
        }
    }
    too_long = true;
    return std::nullopt;
}

/// Keep the connection until the sender has gone (it has read the answer)
/// or `wait_ms` has passed. What it still sends is read and dropped, so that
/// a sender still writing gets to its reading.
void linger(HANDLE pipe, DWORD wait_ms, HANDLE stop)
{
    const ULONGLONG until = GetTickCount64() + wait_ms;
    Handle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    char dropped[pipe_buffer];
    while (GetTickCount64() < until && WaitForSingleObject(stop, 0) != WAIT_OBJECT_0) {
        DWORD waiting = 0;
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr))
            return; // the sender is gone
        if (waiting == 0) {
            WaitForSingleObject(stop, 10);
            continue;
        }
        OVERLAPPED overlapped{};
        overlapped.hEvent = event.value;
        ResetEvent(event.value);
        const BOOL started =
            ReadFile(pipe, dropped, std::min<DWORD>(waiting, sizeof dropped), nullptr, &overlapped);
        if (!finished(pipe, overlapped, started, 100, stop))
            return;
    }
}

struct Exchange
{
    bool reached = false;              ///< a copy listens
    std::optional<std::string> answer; ///< none when it did not answer
};

/// Send one line to the running copy and wait for its answer: its first
/// line within `first_wait_ms`; after a command's "begun", the answer within
/// `answer_wait_ms` more.
Exchange exchange(const std::wstring& pipe, const std::string& line, DWORD first_wait_ms,
                  DWORD answer_wait_ms)
{
    HANDLE opened = INVALID_HANDLE_VALUE;
    for (int busy = 0; busy < 10; ++busy) {
        opened = CreateFileW(pipe.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION,
                             nullptr);
        if (opened != INVALID_HANDLE_VALUE || GetLastError() != ERROR_PIPE_BUSY)
            break;
        // Serving another sender: wait for the pipe's next instance.
        WaitNamedPipeW(pipe.c_str(), 1000);
    }
    if (opened == INVALID_HANDLE_VALUE)
        return {};
    Handle connection(opened);
    // The running copy may bring its window forward: it is doing what we ask.
    ULONG server = 0;
    if (GetNamedPipeServerProcessId(connection.value, &server))
        AllowSetForegroundWindow(server);
    if (!write_all(connection.value, line, first_wait_ms, nullptr))
        return {true, std::nullopt};
    bool too_long = false;
    std::string carried;
    auto answer =
        read_line(connection.value, first_wait_ms, nullptr, pipe_buffer, too_long, carried);
    if (answer && *answer == channel_begun)
        answer =
            read_line(connection.value, answer_wait_ms, nullptr, pipe_buffer, too_long, carried);
    return {true, answer};
}

bool another_copy_runs(const std::wstring& meeting)
{
    Handle mutex(OpenMutexW(SYNCHRONIZE, FALSE, mutex_name(meeting).c_str()));
    return mutex.value != nullptr || GetLastError() == ERROR_ACCESS_DENIED;
}

/// A command's outcome, told by the window's loop to the pipe's thread.
struct Outcome
{
    std::mutex lock;
    std::condition_variable told;
    std::optional<std::string> refusal;
    bool begun = false;
    std::atomic<bool> given_up{false};
};

/// The user this process runs as, as an SID string; empty when unknown.
std::wstring user_sid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    Handle held(token);
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    LPWSTR text = nullptr;
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size) ||
        !ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text))
        return {};
    std::wstring sid = text;
    LocalFree(text);
    return sid;
}

/// The pipe for this user alone (and the system): another user on the same
/// computer can neither send to it nor hold its connection.
class UserOnly
{
public:
    UserOnly()
    {
        const std::wstring sid = user_sid();
        if (sid.empty())
            return;
        const std::wstring sddl = L"D:P(A;;GA;;;" + sid + L")(A;;GA;;;SY)";
        if (ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                                 &m_descriptor, nullptr))
            m_attributes = {sizeof m_attributes, m_descriptor, FALSE};
    }
    ~UserOnly()
    {
        if (m_descriptor != nullptr)
            LocalFree(m_descriptor);
    }
    UserOnly(const UserOnly&) = delete;
    UserOnly& operator=(const UserOnly&) = delete;
    SECURITY_ATTRIBUTES* attributes() { return m_descriptor != nullptr ? &m_attributes : nullptr; }

private:
    PSECURITY_DESCRIPTOR m_descriptor = nullptr;
    SECURITY_ATTRIBUTES m_attributes{};
};

/// An instance of the pipe of `meeting` that one sender connects to;
/// `first`: FILE_FLAG_FIRST_PIPE_INSTANCE, or none for the instances after it.
HANDLE pipe_instance(const std::wstring& meeting, DWORD first)
{
    UserOnly user_only;
    return CreateNamedPipeW(
        OneCopyWin32::pipe_for(meeting).c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | first,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
        PIPE_UNLIMITED_INSTANCES, pipe_buffer, pipe_buffer, 0, user_only.attributes());
}

} // namespace

std::wstring OneCopyWin32::own_meeting_name()
{
    // The user's SID: the same for every copy this user starts, another
    // user's apart, and no character a name of the object namespace refuses.
    const std::wstring sid = user_sid();
    return sid.empty() ? L"Cuedeck" : L"Cuedeck-" + sid;
}

OneCopyWin32::OneCopyWin32(std::wstring meeting)
    : m_meeting(std::move(meeting)), m_stop(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
}

OneCopyWin32::~OneCopyWin32()
{
    stop();
    if (m_first_pipe != INVALID_HANDLE_VALUE)
        CloseHandle(m_first_pipe);
    if (m_mutex != nullptr)
        CloseHandle(m_mutex);
    CloseHandle(m_stop);
}

void OneCopyWin32::stop()
{
    SetEvent(m_stop);
    if (m_thread.joinable())
        m_thread.join();
}

OneCopyWin32::Role OneCopyWin32::claim(const std::string& file, std::string& reason)
{
    reason.clear();
    const std::string request = format_open_request(file);
    for (int attempt = 0; attempt < channel_wait::tries; ++attempt) {
        if (m_mutex == nullptr) {
            m_mutex = CreateMutexW(nullptr, FALSE, mutex_name(m_meeting).c_str());
            if (m_mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
                CloseHandle(m_mutex);
                m_mutex = nullptr;
            } else if (m_mutex != nullptr) {
                // The first instance: a program that made the pipe before us
                // is not served, and not trusted with anything.
                m_first_pipe = pipe_instance(m_meeting, FILE_FLAG_FIRST_PIPE_INSTANCE);
                return m_first_pipe != INVALID_HANDLE_VALUE ? Role::First : Role::Alone;
            } else {
                return Role::Alone;
            }
        }
        const Exchange sent = exchange(pipe_for(m_meeting), request, channel_wait::file_answer_ms,
                                       channel_wait::file_answer_ms);
        if (sent.answer && *sent.answer == channel_ok)
            return Role::HandedOver;
        if (sent.reached) {
            // A copy runs and heard us: it is not asked twice, and no second
            // copy with a second player starts beside it.
            reason = sent.answer ? refusal_reason(*sent.answer) : channel_reason::no_answer_to_file;
            return Role::NotHandedOver;
        }
        // The holder is still on its way to listening, or has just ended.
        Sleep(channel_wait::try_interval_ms);
    }
    reason = channel_reason::still_starting;
    return Role::NotHandedOver;
}

OneCopyWin32::Delivery OneCopyWin32::send_request(const std::wstring& meeting,
                                                  const Request& request, std::string& reason)
{
    reason.clear();
    for (int attempt = 0; attempt < channel_wait::tries; ++attempt) {
        const std::string line =
            request(channel_clock_ms() + channel_wait::command_begun_within_ms);
        const Exchange sent = exchange(pipe_for(meeting), line, channel_wait::begun_heard_within_ms,
                                       channel_wait::command_answer_ms);
        if (sent.reached && !sent.answer) {
            reason = channel_reason::no_answer_in_time;
            return Delivery::Refused;
        }
        if (const auto& answer = sent.answer) {
            if (*answer == channel_ok)
                return Delivery::CarriedOut;
            reason = refusal_reason(*answer);
            return Delivery::Refused;
        }
        if (!another_copy_runs(meeting))
            return Delivery::NoneRunning;
        Sleep(channel_wait::try_interval_ms);
    }
    reason = channel_reason::still_starting;
    return Delivery::Refused;
}

void OneCopyWin32::serve(SessionPort& session, Poster post, FileArrived arrived)
{
    if (m_first_pipe == INVALID_HANDLE_VALUE || m_thread.joinable())
        return;
    m_session = &session;
    m_post = std::move(post);
    m_arrived = std::move(arrived);
    m_thread = std::thread([this] { serve_pipe(); });
}

void OneCopyWin32::serve_pipe()
{
    HANDLE listening = std::exchange(m_first_pipe, INVALID_HANDLE_VALUE);
    Handle slots(CreateSemaphoreW(nullptr, most_senders, most_senders, nullptr));
    Handle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::vector<Sender> senders;
    const auto end_finished = [&senders] {
        std::erase_if(senders, [](Sender& sender) {
            if (!*sender.done)
                return false;
            sender.thread.join();
            return true;
        });
    };
    const HANDLE stop_or_free[] = {m_stop, slots.value};
    // Each sender is answered on a thread of its own, within its own
    // deadlines; a new instance of the pipe listens meanwhile, so that a
    // silent or slow sender delays none of the others.
    while (WaitForMultipleObjects(2, stop_or_free, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        end_finished();
        if (listening == INVALID_HANDLE_VALUE)
            listening = pipe_instance(m_meeting, 0);
        if (listening == INVALID_HANDLE_VALUE) {
            ReleaseSemaphore(slots.value, 1, nullptr);
            WaitForSingleObject(m_stop, channel_wait::try_interval_ms); // no busy loop
            continue;
        }
        OVERLAPPED overlapped{};
        overlapped.hEvent = event.value;
        ResetEvent(event.value);
        const BOOL connected = ConnectNamedPipe(listening, &overlapped);
        bool here = GetLastError() == ERROR_PIPE_CONNECTED;
        if (!connected && !here)
            here = finished(listening, overlapped, FALSE, INFINITE, m_stop).has_value();
        if (!here) {
            ReleaseSemaphore(slots.value, 1, nullptr);
            DisconnectNamedPipe(listening);
            WaitForSingleObject(m_stop, channel_wait::try_interval_ms); // no busy loop
            continue;
        }
        auto done = std::make_shared<std::atomic<bool>>(false);
        const HANDLE pipe = std::exchange(listening, INVALID_HANDLE_VALUE);
        senders.push_back({std::thread([this, pipe, done, slot = slots.value] {
                               answer_one(pipe);
                               DisconnectNamedPipe(pipe);
                               CloseHandle(pipe);
                               *done = true;
                               ReleaseSemaphore(slot, 1, nullptr);
                           }),
                           done});
    }
    for (Sender& sender : senders)
        sender.thread.join();
    if (listening != INVALID_HANDLE_VALUE)
        CloseHandle(listening);
}

void OneCopyWin32::answer_one(HANDLE pipe)
{
    // A sender that says nothing, or too much, is not waited for; one
    // request a connection: what follows it is not read.
    bool too_long = false;
    std::string carried;
    const auto line =
        read_line(pipe, channel_wait::idle_ms, m_stop, longest_request_line, too_long, carried);
    if (!line) {
        if (too_long) {
            write_all(pipe, format_refusal(channel_reason::unknown_request), channel_wait::idle_ms,
                      m_stop);
            linger(pipe, channel_wait::idle_ms, m_stop);
        }
        return;
    }
    std::string text = *line;
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    const ChannelRequest request = parse_channel_request(text);
    std::string answer;
    if (request.kind == ChannelRequest::Kind::Open) {
        answer = std::string(channel_ok) + '\n';
        m_post([arrived = m_arrived, file = request.value] { arrived(file); });
    } else {
        answer = carried_out(request, pipe);
    }
    write_all(pipe, answer, channel_wait::idle_ms, m_stop);
    // Until the sender has read it: the disconnect would throw it away.
    linger(pipe, channel_wait::idle_ms, m_stop);
}

std::string OneCopyWin32::carried_out(const ChannelRequest& request, HANDLE pipe)
{
    std::string refusal;
    std::optional<cuedeck::Request> asked = request_from_channel(request, refusal);
    if (!asked)
        return channel_answer(refusal);
    const auto outcome = std::make_shared<Outcome>();
    m_post([session = m_session, asked = std::move(*asked), outcome,
            until = request.until_ms]() mutable {
        session->submit_later(
            std::move(asked),
            [outcome](const std::string& why) {
                const std::lock_guard<std::mutex> held(outcome->lock);
                outcome->refusal = why;
                outcome->told.notify_all();
            },
            [outcome, until] {
                // A sender that gave up has said "not carried out": it is not.
                const bool wanted = !outcome->given_up && !(until && channel_clock_ms() > *until);
                const std::lock_guard<std::mutex> held(outcome->lock);
                outcome->begun = wanted;
                outcome->told.notify_all();
                return wanted;
            });
    });
    // Waited for here, on the pipe's thread, never in the window's loop;
    // the sender's going is looked for meanwhile.
    std::unique_lock<std::mutex> held(outcome->lock);
    const ULONGLONG until = GetTickCount64() + channel_wait::command_answer_ms;
    bool told_begun = false;
    while (!outcome->refusal && GetTickCount64() < until &&
           WaitForSingleObject(m_stop, 0) != WAIT_OBJECT_0) {
        if (outcome->begun && !told_begun) {
            // The sender now waits for the answer however slow the player.
            told_begun = true;
            held.unlock();
            write_all(pipe, std::string(channel_begun) + '\n', channel_wait::idle_ms, m_stop);
            held.lock();
            continue;
        }
        DWORD waiting = 0;
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr))
            break; // the sender is gone
        outcome->told.wait_for(held, std::chrono::milliseconds(sender_look_ms));
    }
    if (!outcome->refusal) {
        outcome->given_up = true;
        return channel_answer(channel_reason::no_answer_in_time);
    }
    return channel_answer(*outcome->refusal);
}

} // namespace cuedeck
