#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "base/ui_text.h"
#include "control/session/pedal_run.h"
#include "control/session/session_port.h"
#include "files/hid_reports.h"

namespace cuedeck {

/// The foot pedal on Windows, read straight from its HID device (or from a
/// named pipe that carries the device's reports, as the tests do), whichever
/// window has the focus.
///
/// A thread of its own opens and reads the device and hears of devices
/// arriving; it never touches the run or the window: what it reads is
/// posted to the window's message loop, one read at a time, and it reads
/// no more until that has been taken and the actions it asked for have been
/// carried out, so that a device that never stops sending cannot flood the
/// loop. The rules are PedalRun's, the same as on Linux.
class FootPedalWin32 : private PedalDevice
{
public:
    /// How work reaches the window's message loop; callable from any thread.
    using Poster = std::function<void(std::function<void()> work)>;

    FootPedalWin32(SessionPort& session, Poster post);
    ~FootPedalWin32() override;
    FootPedalWin32(const FootPedalWin32&) = delete;
    FootPedalWin32& operator=(const FootPedalWin32&) = delete;

    /// How often an unplugged pedal is looked for, besides the system's
    /// notices of devices arriving.
    static constexpr int look_again_ms = 1000;
    /// How many of a pipe's reports one read takes at most.
    static constexpr int read_reports = 64;

private:
    // PedalDevice, on the window's thread
    void open(const std::string& path) override;
    void close() override;
    bool is_open() const override { return m_open; }
    void set_reading(bool reading) override;
    void set_repeating(bool repeating) override;

    /// What the thread tells, on the window's thread; `generation` names
    /// the open() it belongs to, and news of an earlier one is ignored.
    enum class News { Opened, Read, Unplugged, Held, NoPedal, Repeat };
    void heard(unsigned generation, News news, std::size_t length, const std::string& bytes);

    void read_device();
    /// Post to the window's loop, unless this pedal has gone by then.
    void tell(unsigned generation, News news, std::size_t length = 0, std::string bytes = {});

    SessionPort& m_session;
    Poster m_post;

    /// What the window's thread asks of the reading thread.
    struct Wanted
    {
        std::string path;
        unsigned generation = 0;
        bool reading = true;
        bool repeating = false;
        unsigned repeat_start = 0; ///< counts the repeat's (re)starts
        bool taken = true;         ///< the last read was taken by the window's thread
        bool stop = false;
    };
    mutable std::mutex m_lock;
    Wanted m_wanted;
    HANDLE m_wake = nullptr;

    // The window's thread's own.
    bool m_open = false;
    HidReportReader m_reports;
    std::string m_told_held; ///< the device last named as held by another program
    std::string m_told_unusable;
    std::shared_ptr<FootPedalWin32*> m_self;
    PedalRun m_run{m_session, *this};
    std::thread m_thread;
};

} // namespace cuedeck
