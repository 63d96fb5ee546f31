#include "desktop/win32/keypad_win32.h"

#include <algorithm>
#include <cwchar>

#include "base/translation.h"
#include "base/wide_text.h"

namespace cuedeck {

namespace {

/// Linux's codes of the extended keys (E0 and their make code) a keypad or
/// macro pad may send.
struct Extended
{
    unsigned make_code;
    int code;
};
constexpr Extended extended_keys[] = {
    {0x1c, 96},  // keypad Enter
    {0x1d, 97},  // right Ctrl
    {0x35, 98},  // keypad /
    {0x37, 99},  // Print Screen
    {0x38, 100}, // right Alt
    {0x47, 102}, // Home
    {0x48, 103}, // Up
    {0x49, 104}, // Page Up
    {0x4b, 105}, // Left
    {0x4d, 106}, // Right
    {0x4f, 107}, // End
    {0x50, 108}, // Down
    {0x51, 109}, // Page Down
    {0x52, 110}, // Insert
    {0x53, 111}, // Delete
    {0x5b, 125}, // left Windows key
    {0x5c, 126}, // right Windows key
    {0x5d, 127}, // Menu
    {0x20, 113}, // Mute
    {0x2e, 114}, // Volume Down
    {0x30, 115}, // Volume Up
    {0x19, 163}, // Next Track
    {0x22, 164}, // Play/Pause
    {0x10, 165}, // Previous Track
    {0x24, 166}, // Stop
};

constexpr unsigned highest_plain_make_code = 0x58; // F12; Linux's code is the make code
constexpr unsigned f13_make_code = 0x64;           // F13 to F23 follow it
constexpr unsigned f24_make_code = 0x76;
constexpr int f13_code = 183; // Linux's KEY_F13; F14 to F24 follow it
constexpr int other_keys = 0x200;

/// The name Windows gives a raw input device; empty when it is gone.
std::string device_name(HANDLE device)
{
    UINT length = 0;
    if (GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, nullptr, &length) != 0 || length == 0)
        return {};
    std::wstring name(length, L'\0');
    if (GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, name.data(), &length) == UINT(-1))
        return {};
    name.resize(std::wcslen(name.c_str()));
    return utf8_from_wide(name);
}

bool same_name(const std::string& a, const std::string& b)
{
    // Windows spells the same device's name in either case.
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

/// The keyboard called `path` among those plugged in; none when absent.
HANDLE keyboard_named(const std::string& path)
{
    UINT count = 0;
    if (GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST)) != 0)
        return nullptr;
    std::vector<RAWINPUTDEVICELIST> devices(count);
    const UINT listed = GetRawInputDeviceList(devices.data(), &count, sizeof(RAWINPUTDEVICELIST));
    if (listed == UINT(-1))
        return nullptr; // one arrived meanwhile: looked for again
    devices.resize(listed);
    for (const RAWINPUTDEVICELIST& device : devices) {
        if (device.dwType == RIM_TYPEKEYBOARD && same_name(device_name(device.hDevice), path))
            return device.hDevice;
    }
    return nullptr;
}

/// The thread's hidden window: the sink of every keyboard's raw records
/// while a keypad is wanted, and of the notices of keyboards arriving and
/// leaving. A window that is never shown, not a message-only one, as raw
/// input's sink.
struct SinkWindow
{
    struct Changes
    {
        bool arrived = false;
        std::vector<HANDLE> removed;
    };

    SinkWindow()
    {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = procedure;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = L"CuedeckKeypadSink";
        RegisterClassW(&window_class); // fails harmlessly when already registered
        window = CreateWindowW(window_class.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, window_class.hInstance, nullptr);
        if (window != nullptr)
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&changes));
    }
    ~SinkWindow()
    {
        watch(false);
        if (window != nullptr)
            DestroyWindow(window);
    }
    SinkWindow(const SinkWindow&) = delete;
    SinkWindow& operator=(const SinkWindow&) = delete;

    /// Take every keyboard's records (keyboards and keypads by their usage),
    /// whichever window has the focus, or none.
    void watch(bool on)
    {
        if (on == watching || window == nullptr)
            return;
        RAWINPUTDEVICE usages[2] = {};
        for (RAWINPUTDEVICE& usage : usages) {
            usage.usUsagePage = 0x01; // generic desktop
            usage.dwFlags = on ? RIDEV_INPUTSINK | RIDEV_DEVNOTIFY : RIDEV_REMOVE;
            usage.hwndTarget = on ? window : nullptr;
        }
        usages[0].usUsage = 0x06; // keyboard
        usages[1].usUsage = 0x07; // keypad
        const UINT size = sizeof(RAWINPUTDEVICE);
        if (on) {
            // Keyboards alone where keypads' usage is refused.
            watching = RegisterRawInputDevices(usages, 2, size) ||
                       RegisterRawInputDevices(usages, 1, size);
        } else {
            RegisterRawInputDevices(usages, 1, size);
            RegisterRawInputDevices(usages + 1, 1, size);
            watching = false;
        }
    }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        if (message == WM_INPUT_DEVICE_CHANGE) {
            if (auto* changes =
                    reinterpret_cast<Changes*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
                if (wparam == GIDC_ARRIVAL)
                    changes->arrived = true;
                else if (wparam == GIDC_REMOVAL)
                    changes->removed.push_back(reinterpret_cast<HANDLE>(lparam));
            }
        }
        return DefWindowProcW(window, message, wparam, lparam);
    }

    HWND window = nullptr;
    bool watching = false;
    Changes changes;
};

/// A keyboard record of `device` among raw input's, if it is one.
std::optional<KeypadWin32::RawKey> key_of(HRAWINPUT input, HANDLE device)
{
    RAWINPUT raw{};
    UINT size = sizeof raw;
    if (GetRawInputData(input, RID_INPUT, &raw, &size, sizeof(RAWINPUTHEADER)) == UINT(-1))
        return std::nullopt;
    if (device == nullptr || raw.header.dwType != RIM_TYPEKEYBOARD || raw.header.hDevice != device)
        return std::nullopt;
    return KeypadWin32::RawKey{raw.data.keyboard.MakeCode, raw.data.keyboard.Flags};
}

} // namespace

std::optional<int> keypad_code(unsigned make_code, unsigned flags)
{
    if ((flags & RI_KEY_E1) != 0 || make_code == 0 || make_code >= 0x80)
        return std::nullopt;
    if ((flags & RI_KEY_E0) != 0) {
        // Windows' own shifts around an extended key, not a key pressed.
        if (make_code == 0x2a || make_code == 0x36)
            return std::nullopt;
        for (const Extended& key : extended_keys) {
            if (key.make_code == make_code)
                return key.code;
        }
        return other_keys + 0x80 + int(make_code);
    }
    if (make_code <= highest_plain_make_code)
        return int(make_code);
    if (make_code >= f13_make_code && make_code < f13_make_code + 11)
        return f13_code + int(make_code - f13_make_code);
    if (make_code == f24_make_code)
        return f13_code + 11;
    return other_keys + int(make_code);
}

std::optional<KeyRecord> RawKeyRecords::feed(unsigned make_code, unsigned flags)
{
    const auto code = keypad_code(make_code, flags);
    if (!code)
        return std::nullopt;
    if ((flags & RI_KEY_BREAK) != 0) {
        m_down.reset(std::size_t(*code));
        return KeyRecord{*code, KeyRecord::Up};
    }
    const bool repeat = m_down.test(std::size_t(*code));
    m_down.set(std::size_t(*code));
    return KeyRecord{*code, repeat ? KeyRecord::Held : KeyRecord::Down};
}

KeypadWin32::KeypadWin32(SessionPort& session, Poster post)
    : m_session(session), m_post(std::move(post)),
      m_wake(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      m_self(std::make_shared<KeypadWin32*>(this))
{
    m_thread = std::thread([this] { read_device(); });
    m_run.start();
}

KeypadWin32::~KeypadWin32()
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

void KeypadWin32::open(const std::string& path)
{
    m_open = false;
    m_records = RawKeyRecords();
    const std::lock_guard<std::mutex> held(m_lock);
    m_wanted.path = path;
    ++m_wanted.generation;
    m_wanted.taken = true;
    SetEvent(m_wake);
}

void KeypadWin32::close()
{
    open({});
}

void KeypadWin32::set_reading(bool reading)
{
    const std::lock_guard<std::mutex> held(m_lock);
    m_wanted.reading = reading;
    SetEvent(m_wake);
}

void KeypadWin32::tell(unsigned generation, News news, std::vector<RawKey> keys)
{
    m_post([self = std::weak_ptr<KeypadWin32*>(m_self), generation, news, keys = std::move(keys)] {
        if (const auto alive = self.lock(); alive && *alive)
            (*alive)->heard(generation, news, keys);
    });
}

void KeypadWin32::heard(unsigned generation, News news, const std::vector<RawKey>& keys)
{
    {
        const std::lock_guard<std::mutex> held(m_lock);
        if (generation != m_wanted.generation)
            return; // of a keypad no longer read
    }
    switch (news) {
    case News::Opened:
        m_open = true;
        m_records = RawKeyRecords();
        m_run.opened();
        return;
    case News::Read:
        for (const RawKey& key : keys) {
            if (const auto record = m_records.feed(key.make_code, key.flags))
                m_run.key(record->code, record->state);
        }
        {
            // Taken only now, so that the commands they asked for stop the
            // reading before the thread takes more.
            const std::lock_guard<std::mutex> held(m_lock);
            m_wanted.taken = true;
            SetEvent(m_wake);
        }
        return;
    case News::Absent:
        m_run.show_state(translated(KeypadRun::disconnected));
        return;
    case News::Unplugged:
        m_open = false;
        m_records = RawKeyRecords();
        m_run.unplugged();
        return;
    }
}

void KeypadWin32::read_device()
{
    SinkWindow sink;
    HANDLE device = nullptr; ///< the keypad, once found
    unsigned generation = 0;
    ULONGLONG look_at = 0;
    bool told_absent = false;

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
            generation = wanted.generation;
            device = nullptr;
            told_absent = false;
            look_at = now;
            sink.watch(!wanted.path.empty());
        }
        if (device != nullptr && std::find(sink.changes.removed.begin(), sink.changes.removed.end(),
                                           device) != sink.changes.removed.end()) {
            device = nullptr;
            tell(generation, News::Unplugged);
            look_at = now + look_again_ms;
        }
        sink.changes.removed.clear();
        if (sink.changes.arrived) {
            sink.changes.arrived = false;
            look_at = now;
        }
        if (device == nullptr && !wanted.path.empty() && now >= look_at) {
            device = keyboard_named(wanted.path);
            look_at = now + look_again_ms;
            if (device != nullptr)
                tell(generation, News::Opened);
            else if (!told_absent)
                tell(generation, News::Absent);
            told_absent = device == nullptr;
        }

        // A bounded number of records a turn, and the next only once the
        // window's thread has taken the last ones and no command they asked
        // for waits; meanwhile they wait in the thread's queue, with the
        // notices of keyboards coming and going, and only messages sent to
        // the window are answered. (Wine's message filters do not leave
        // raw input's records behind, so the queue is taken whole or not
        // at all.) Other keyboards' records are dropped here.
        bool more = false;
        const bool may_read = wanted.reading && wanted.taken;
        MSG message;
        if (may_read) {
            std::vector<RawKey> keys;
            int taken = 0;
            while (taken < read_records && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_INPUT) {
                    ++taken;
                    if (const auto key =
                            key_of(reinterpret_cast<HRAWINPUT>(message.lParam), device))
                        keys.push_back(*key);
                }
                DispatchMessageW(&message);
            }
            if (!keys.empty()) {
                {
                    const std::lock_guard<std::mutex> held(m_lock);
                    if (m_wanted.generation == generation)
                        m_wanted.taken = false;
                }
                tell(generation, News::Read, std::move(keys));
            } else {
                more = taken == read_records;
            }
        } else {
            PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }

        DWORD timeout = INFINITE;
        if (more)
            timeout = 0;
        else if (device == nullptr && !wanted.path.empty())
            timeout = look_at > now ? DWORD(look_at - now) : 0;
        const DWORD wake_on = may_read ? QS_ALLINPUT : QS_SENDMESSAGE;
        MsgWaitForMultipleObjects(1, &m_wake, FALSE, timeout, wake_on);
    }
}

} // namespace cuedeck
