#include "desktop/win32/foot_pedal_win32.h"

#include <dbt.h>
// The HID headers declare C functions without saying so.
extern "C" {
#include <hidsdi.h>
}

#include <algorithm>
#include <cstdio>

#include "base/translation.h"
#include "base/wide_text.h"

namespace cuedeck {

namespace {

/// A device opened for reading: its handle, and how long one read is.
struct Opened
{
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::size_t report_length = 0; ///< one report, its ID byte included
    std::size_t read_length = 0;   ///< what one read takes
};

enum class Failure { None, Absent, Held, NoPedal };

/// Open `path` for overlapped reading: a HID device, or a pipe that
/// carries a pedal's reports.
Opened open_device(const std::string& path, Failure& failure)
{
    Opened device;
    const std::wstring wide = wide_from_utf8(path);
    HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        failure = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED
                      ? Failure::Held
                      : Failure::Absent;
        return device;
    }
    if (GetFileType(handle) == FILE_TYPE_PIPE) {
        device = {handle, hid_report::pedal_length,
                  hid_report::pedal_length * FootPedalWin32::read_reports};
        failure = Failure::None;
        return device;
    }
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    HIDP_CAPS caps{};
    const bool hid = HidD_GetPreparsedData(handle, &preparsed) &&
                     HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS &&
                     caps.InputReportByteLength >= 2;
    if (preparsed != nullptr)
        HidD_FreePreparsedData(preparsed);
    if (!hid) {
        CloseHandle(handle);
        failure = Failure::NoPedal;
        return device;
    }
    // A HID read gives one report whole.
    device = {handle, caps.InputReportByteLength, caps.InputReportByteLength};
    failure = Failure::None;
    return device;
}

/// The thread's hidden window, for the system's notices of HID devices
/// arriving; `arrived` is set by its procedure.
struct ArrivalWindow
{
    ArrivalWindow()
    {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = procedure;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = L"CuedeckPedalArrivals";
        RegisterClassW(&window_class); // fails harmlessly when already registered
        window = CreateWindowW(window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                               nullptr, window_class.hInstance, nullptr);
        if (window == nullptr)
            return;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&arrived));
        DEV_BROADCAST_DEVICEINTERFACE_W filter{};
        filter.dbcc_size = sizeof filter;
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        HidD_GetHidGuid(&filter.dbcc_classguid);
        notification = RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    }
    ~ArrivalWindow()
    {
        if (notification != nullptr)
            UnregisterDeviceNotification(notification);
        if (window != nullptr)
            DestroyWindow(window);
    }
    ArrivalWindow(const ArrivalWindow&) = delete;
    ArrivalWindow& operator=(const ArrivalWindow&) = delete;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        if (message == WM_DEVICECHANGE && wparam == DBT_DEVICEARRIVAL) {
            if (auto* flag = reinterpret_cast<bool*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
                *flag = true;
        }
        return DefWindowProcW(window, message, wparam, lparam);
    }

    HWND window = nullptr;
    HDEVNOTIFY notification = nullptr;
    bool arrived = false;
};

} // namespace

FootPedalWin32::FootPedalWin32(SessionPort& session, Poster post)
    : m_session(session), m_post(std::move(post)),
      m_wake(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      m_self(std::make_shared<FootPedalWin32*>(this))
{
    m_thread = std::thread([this] { read_device(); });
    m_run.start();
}

FootPedalWin32::~FootPedalWin32()
{
    *m_self = nullptr;
    {
        const std::lock_guard<std::mutex> held(m_lock);
        m_wanted.stop = true;
    }
    SetEvent(m_wake);
    m_thread.join();
    CloseHandle(m_wake);
}

void FootPedalWin32::open(const std::string& path)
{
    m_open = false;
    m_reports = HidReportReader();
    const std::lock_guard<std::mutex> held(m_lock);
    m_wanted.path = path;
    ++m_wanted.generation;
    m_wanted.repeating = false;
    m_wanted.taken = true;
    SetEvent(m_wake);
}

void FootPedalWin32::close()
{
    open({});
}

void FootPedalWin32::set_reading(bool reading)
{
    const std::lock_guard<std::mutex> held(m_lock);
    m_wanted.reading = reading;
    SetEvent(m_wake);
}

void FootPedalWin32::set_repeating(bool repeating)
{
    const std::lock_guard<std::mutex> held(m_lock);
    m_wanted.repeating = repeating;
    if (repeating)
        ++m_wanted.repeat_start;
    SetEvent(m_wake);
}

void FootPedalWin32::tell(unsigned generation, News news, std::size_t length, std::string bytes)
{
    m_post([self = std::weak_ptr<FootPedalWin32*>(m_self), generation, news, length,
            bytes = std::move(bytes)] {
        if (const auto alive = self.lock(); alive && *alive)
            (*alive)->heard(generation, news, length, bytes);
    });
}

void FootPedalWin32::heard(unsigned generation, News news, std::size_t length,
                           const std::string& bytes)
{
    std::string path;
    {
        const std::lock_guard<std::mutex> held(m_lock);
        if (generation != m_wanted.generation)
            return; // of a device no longer read
        path = m_wanted.path;
        if (news == News::Read) {
            m_wanted.taken = true;
            SetEvent(m_wake);
        }
    }
    switch (news) {
    case News::Opened:
        m_open = true;
        m_reports = HidReportReader(length);
        m_run.opened();
        return;
    case News::Read:
        for (const ButtonChange& button : m_reports.feed(bytes))
            m_run.changed(button.code, button.down);
        return;
    case News::Unplugged:
        m_open = false;
        m_run.unplugged();
        return;
    case News::Held:
        m_session.show_device_state(translated(PedalRun::disconnected));
        if (m_told_held != path) {
            // Said once; it is taken up as soon as that program lets it go.
            m_told_held = path;
            m_session.tell(translated(UI_TEXT("Another program holds the foot pedal %1 for "
                                              "itself: Cuedeck reads it once that program lets "
                                              "it go."),
                                      {path}));
        }
        return;
    case News::NoPedal:
        m_session.show_device_state(translated(PedalRun::not_input_device));
        if (m_told_unusable != path) {
            m_told_unusable = path;
            std::fprintf(stderr,
                         "cuedeck: the foot pedal %s is not used: it is not an input "
                         "device\n",
                         path.c_str());
        }
        return;
    case News::Repeat:
        m_run.repeat();
        return;
    }
}

void FootPedalWin32::read_device()
{
    ArrivalWindow arrivals;
    Opened device;
    unsigned generation = 0;
    bool gave_up = false; ///< the path is no pedal: not looked for again
    HANDLE read_done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    OVERLAPPED overlapped{};
    bool reading = false; ///< a read is under way
    std::string buffer;
    ULONGLONG look_at = 0;
    ULONGLONG repeat_at = 0;
    unsigned repeat_start = 0;

    const auto close_device = [&] {
        if (device.handle == INVALID_HANDLE_VALUE)
            return;
        if (reading) {
            CancelIoEx(device.handle, &overlapped);
            DWORD ignored = 0;
            GetOverlappedResult(device.handle, &overlapped, &ignored, TRUE);
            reading = false;
        }
        CloseHandle(device.handle);
        device = {};
    };

    for (;;) {
        Wanted wanted;
        {
            const std::lock_guard<std::mutex> held(m_lock);
            wanted = m_wanted;
        }
        if (wanted.stop)
            break;
        const ULONGLONG now = GetTickCount64();
        if (wanted.generation != generation) {
            close_device();
            generation = wanted.generation;
            gave_up = false;
            look_at = now;
        }
        if (arrivals.arrived) {
            arrivals.arrived = false;
            look_at = now;
        }
        if (device.handle == INVALID_HANDLE_VALUE && !wanted.path.empty() && !gave_up &&
            now >= look_at) {
            Failure failure = Failure::None;
            device = open_device(wanted.path, failure);
            look_at = now + look_again_ms;
            if (failure == Failure::None) {
                buffer.assign(device.read_length, '\0');
                tell(generation, News::Opened, device.report_length);
            } else {
                gave_up = failure == Failure::NoPedal;
                tell(generation, failure == Failure::Held      ? News::Held
                                 : failure == Failure::NoPedal ? News::NoPedal
                                                               : News::Unplugged);
            }
        }
        if (wanted.repeating && wanted.repeat_start != repeat_start) {
            repeat_start = wanted.repeat_start;
            repeat_at = now + PedalLogic::repeat_ms;
        }
        if (wanted.repeating && now >= repeat_at) {
            repeat_at = now + PedalLogic::repeat_ms;
            tell(generation, News::Repeat);
        }
        // One read at a time, and the next only once the window's thread
        // has taken the last one and no action it asked for waits.
        if (device.handle != INVALID_HANDLE_VALUE && !reading && wanted.reading && wanted.taken) {
            overlapped = {};
            overlapped.hEvent = read_done;
            ResetEvent(read_done);
            if (ReadFile(device.handle, buffer.data(), static_cast<DWORD>(buffer.size()), nullptr,
                         &overlapped) ||
                GetLastError() == ERROR_IO_PENDING)
                reading = true;
            else {
                close_device();
                tell(generation, News::Unplugged);
                look_at = now + look_again_ms;
            }
        }

        DWORD timeout = INFINITE;
        const auto until = [&](ULONGLONG at) {
            timeout = std::min<DWORD>(timeout, at > now ? static_cast<DWORD>(at - now) : 0);
        };
        if (wanted.repeating)
            until(repeat_at);
        if (device.handle == INVALID_HANDLE_VALUE && !wanted.path.empty() && !gave_up)
            until(look_at);
        const HANDLE waits[] = {m_wake, read_done};
        const DWORD count = reading ? 2 : 1;
        const DWORD woke = MsgWaitForMultipleObjects(count, waits, FALSE, timeout, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0 + count) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
        } else if (reading && woke == WAIT_OBJECT_0 + 1) {
            DWORD got = 0;
            reading = false;
            if (GetOverlappedResult(device.handle, &overlapped, &got, FALSE) && got > 0) {
                {
                    const std::lock_guard<std::mutex> held(m_lock);
                    if (m_wanted.generation == generation)
                        m_wanted.taken = false;
                }
                tell(generation, News::Read, 0, buffer.substr(0, got));
            } else {
                // Unplugged (the device is gone), or the pipe's writer closed it.
                close_device();
                tell(generation, News::Unplugged);
                look_at = GetTickCount64() + look_again_ms;
            }
        }
    }
    close_device();
    CloseHandle(read_done);
}

} // namespace cuedeck
