#pragma once

#include <windows.h>

#include <bitset>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "control/session/keypad_run.h"
#include "control/session/session_port.h"
#include "files/input_events.h"
#include "files/settings_format.h"

namespace cuedeck {

/// The keypad's key code of a key as raw input tells it: its make code (the
/// set-1 scan code, the same whether Num Lock is on or off) and its flags
/// (RI_KEY_E0: the extended keys). The codes are those Linux gives the same
/// keys, so that keys learned on either system mean the same on the other:
/// the make codes 1 to 0x58 as they are, the extended keys and F13 to F24
/// by Linux's table, any other key 0x200 + its make code (+ 0x80 when
/// extended). None for what is no key: Windows' own shifts around the
/// extended keys, the E1 keys (Pause), an overrun.
std::optional<int> keypad_code(unsigned make_code, unsigned flags);

/// One keyboard's raw key records as the keypad's: a make of a key already
/// down is the keyboard's own repeat.
class RawKeyRecords
{
public:
    std::optional<KeyRecord> feed(unsigned make_code, unsigned flags);

private:
    std::bitset<highest_key_code + 1> m_down;
};

/// The keypad on Windows: a keyboard the settings name by its device name
/// (as GetRawInputDeviceInfo's RIDI_DEVICENAME gives it, "\\?\HID#VID_..."),
/// read through raw input, whichever window has the focus. Raw input only
/// watches: the keys also type where the focus is.
///
/// As the foot pedal's, a thread of its own takes the keyboards' records
/// (its hidden window is their sink) and hears of keyboards arriving and
/// leaving; it never touches the run or the window: the chosen keyboard's
/// records are posted to the window's message loop, a bounded number at a
/// time, and no more are taken until those have been taken and the
/// commands they asked for carried out, so that the rest waits in the
/// thread's queue, not in the window's. The rules are KeypadRun's, the
/// same as on Linux.
class KeypadWin32 : private PedalDevice
{
public:
    /// How work reaches the window's message loop; callable from any thread.
    using Poster = std::function<void(std::function<void()> work)>;

    KeypadWin32(SessionPort& session, Poster post);
    ~KeypadWin32() override;
    KeypadWin32(const KeypadWin32&) = delete;
    KeypadWin32& operator=(const KeypadWin32&) = delete;

    /// How often an absent keypad is looked for, besides the system's
    /// notices of keyboards arriving, and how many raw records one turn
    /// takes at most.
    static constexpr int look_again_ms = 1000;
    static constexpr int read_records = 64;

    /// A raw keyboard record, as the thread hands it on.
    struct RawKey
    {
        unsigned short make_code;
        unsigned short flags;
    };

private:
    // PedalDevice, on the window's thread
    void open(const std::string& path) override;
    void close() override;
    bool is_open() const override { return m_open; }
    void set_reading(bool reading) override;
    void set_repeating(bool) override {} // the keyboard repeats itself

    /// What the thread tells, on the window's thread; `generation` names
    /// the open() it belongs to, and news of an earlier one is ignored.
    enum class News { Opened, Read, Absent, Unplugged };
    void heard(unsigned generation, News news, const std::vector<RawKey>& keys);

    void read_device();
    /// Post to the window's loop, unless this keypad has gone by then.
    void tell(unsigned generation, News news, std::vector<RawKey> keys = {});

    SessionPort& m_session;
    Poster m_post;

    /// What the window's thread asks of the reading thread.
    struct Wanted
    {
        std::string path;
        unsigned generation = 0;
        bool reading = true;
        bool taken = true; ///< the last records were taken by the window's thread
        bool stop = false;
    };
    std::mutex m_lock;
    Wanted m_wanted;
    HANDLE m_wake = nullptr;

    // The window's thread's own.
    bool m_open = false;
    RawKeyRecords m_records;
    std::shared_ptr<KeypadWin32*> m_self;
    KeypadRun m_run{m_session, *this};
    std::thread m_thread;
};

} // namespace cuedeck
