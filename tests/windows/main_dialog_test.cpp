#include <windows.h>

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "base/translation.h"
#include "base/ui_text.h"
#include "base/wide_text.h"
#include "control/commands/commands.h"
#include "control/commands/global_keys.h"
#include "control/run/command_bodies.h"
#include "desktop/win32/foot_pedal_win32.h"
#include "desktop/win32/keypad_win32.h"
#include "desktop/win32/one_copy_win32.h"
#include "files/channel_request.h"
#include "front/bar_drawing.h"
#include "front/control_ids.h"
#include "front/window_ids.h"
#include "support/deadline.h"
#include "support/fake_player_backend.h"
#include "support/fake_system.h"
#include "support/options_with.h"
#include "support/recorded_places.h"
#include "system/waveforms.h"
#include "ui/win32/main_dialog.h"
#include "ui/win32/options_dialog_win32.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/translation_win32.h"
#include "ui/win32/win32_keys.h"

namespace cuedeck::testing {
namespace {

/// Deliver every message waiting, the way the dialog's own loop would.
void pump(HWND dialog)
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

/// The main window, opened on a fake player in a list of five, playing tip
/// 2 at 10 s, with a history to undo and redo.
struct Rig
{
    /// `waveforms`: where the tips' waveforms come from; none without.
    explicit Rig(Waveforms* waveforms = nullptr)
    {
        session.controller().use_waveforms(waveforms);
        window = dialog.open_modeless();
        record_three_places(dialog.controller(), player);
        player.model = {1, 5, 1, 10000, 300, 50, "2. interview - fake", ""};
        player.log.clear();
    }

    FakePlayerBackend player;
    FakeSystem system;
    Session session{player, system,
                    [this](std::function<void()> work) { dialog.later(std::move(work)); }};
    MainDialog dialog{GetModuleHandleA(nullptr), session};
    HWND window = nullptr;
};

std::vector<std::string> traffic_of(Command command)
{
    Rig rig;
    run_command(rig.dialog.controller(), command);
    return rig.player.traffic();
}

TEST(MainDialog, OpensWithItsCaptionAndTheStopPictureHidden)
{
    Rig rig;
    ASSERT_NE(rig.window, nullptr);
    char caption[128] = {};
    GetWindowTextA(rig.window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Cuedeck - Fake Player for Tape Groups");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(rig.window, IDC_STOP_PICTURE)));
    char sound[32] = {};
    GetDlgItemTextA(rig.window, IDC_SOUND_STATE, sound, sizeof sound);
    EXPECT_STREQ(sound, "Sound ON");

    // A one-minute tip timer, started by a resume, runs out.
    Controller& controller = rig.dialog.controller();
    Options options = controller.options();
    options.tip_time = 1;
    controller.apply_options(options);
    run_command(controller, Command::TipTimer);
    run_command(controller, Command::PlayPause); // pause
    run_command(controller, Command::PlayPause); // resume: the count starts
    for (int second = 0; second < 60; ++second)
        controller.tick();
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(rig.window, IDC_STOP_PICTURE)));
}

TEST(MainDialog, EveryKeyOfTheTableReachesItsCommandThroughPostedKeyDowns)
{
    // Every virtual key that translates to a key of the tables (the loop's
    // too: Cuedeck keeps it for the player); together they
    // must reach each binding.
    std::size_t reached = 0;
    for (WPARAM virtual_key = 1; virtual_key < 256; ++virtual_key) {
        const auto command = command_for_key(key_from_virtual_key(virtual_key));
        if (!command)
            continue;
        ++reached;
        Rig rig;
        PostMessageA(rig.window, WM_KEYDOWN, virtual_key, 0);
        pump(rig.window);
        EXPECT_EQ(rig.player.traffic(), traffic_of(*command)) << "virtual key " << virtual_key;
    }
    EXPECT_EQ(reached, key_table().size() + loop_key_table().size());
}

TEST(MainDialog, KeysForEveryWindowActWhileAnotherWindowHasTheFocus)
{
    // Another program's window holds F12 and has the focus.
    HWND other = CreateWindowA("STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                               nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(other, 1, 0, VK_F12));
    WPARAM id = 0; // the hot key's, in the table's order from 1
    for (const KeyBinding& binding : global_key_table()) {
        ++id;
        Rig rig;
        Options options = rig.dialog.controller().options();
        options.global_keys = GlobalKeys::FunctionKeys;
        rig.dialog.controller().apply_options(options);
        rig.dialog.register_global_keys();
        EXPECT_EQ(rig.dialog.global_keys_note(), "F12 is taken by another program");
        if (binding.key == Key::F12)
            continue;
        SetForegroundWindow(other);
        SetFocus(other);
        INPUT press[2] = {};
        for (INPUT& input : press) {
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = WORD(virtual_key_of(binding.key));
        }
        press[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, press, sizeof(INPUT));
        pump(rig.window);
        EXPECT_EQ(rig.player.traffic(), traffic_of(binding.command)) << key_name(binding.key);

        // Not while the window asks something: a key pressed while its About
        // box is open runs nothing.
        rig.player.log.clear();
        static HWND main_window;
        static WPARAM hot_key;
        main_window = rig.window;
        hot_key = id;
        SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR timer, DWORD) {
            KillTimer(nullptr, timer);
            SendMessageA(main_window, WM_HOTKEY, hot_key, 0);
            HWND box = GetWindow(main_window, GW_ENABLEDPOPUP);
            EndDialog(box != nullptr ? box : GetActiveWindow(), IDOK);
        });
        SendMessageA(rig.window, WM_COMMAND, IDM_HELP_ABOUT, 0);
        EXPECT_TRUE(rig.player.traffic().empty()) << key_name(binding.key);
        // And once it is closed, the key acts again.
        rig.player.log.clear();
        SendMessageA(rig.window, WM_HOTKEY, hot_key, 0);
        EXPECT_FALSE(rig.player.traffic().empty()) << key_name(binding.key);
    }
    DestroyWindow(other);
}

TEST(MainDialog, F10RewindsAndLeavesTheMenuBarClosed)
{
    // What a real F10 produces: a system key down and up, scan code 0x44.
    Rig rig;
    PostMessageA(rig.window, WM_SYSKEYDOWN, VK_F10, 0x00440001);
    PostMessageA(rig.window, WM_SYSKEYUP, VK_F10, static_cast<LPARAM>(0xC0440001u));
    pump(rig.window);
    EXPECT_EQ(rig.player.traffic(), traffic_of(Command::Rewind));
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetCurrentThreadId(), &thread);
    EXPECT_EQ(thread.flags & (GUI_INMENUMODE | GUI_SYSTEMMENUMODE), 0u);
}

TEST(MainDialog, OtherKeysAndOkOrCancelDoNothing)
{
    Rig rig;
    for (const WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}, WPARAM{'A'}, WPARAM{VK_TAB}})
        PostMessageA(rig.window, WM_KEYDOWN, key, 0);
    pump(rig.window);
    SendMessageA(rig.window, WM_COMMAND, IDOK, 0);
    SendMessageA(rig.window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(IsWindow(rig.window));
    EXPECT_TRUE(rig.player.traffic().empty());
    EXPECT_TRUE(rig.system.files.empty()); // no shut-down: settings not written
}

TEST(MainDialog, ButtonsAndMenuItemsRunTheirCommands)
{
    for (const ButtonBinding& button : button_table()) {
        Rig rig;
        SendMessageA(
            rig.window, WM_COMMAND, MAKEWPARAM(button_control(button.command), BN_CLICKED),
            reinterpret_cast<LPARAM>(GetDlgItem(rig.window, button_control(button.command))));
        EXPECT_EQ(rig.player.traffic(), traffic_of(button.command))
            << button_control(button.command);
    }
    Rig rig;
    SendMessageA(rig.window, WM_COMMAND, IDM_EDIT_UNDO, 0);
    EXPECT_EQ(rig.dialog.controller().state().current_tip, 0);
    // Captions and menu texts with the keys' hints, as a user reads them.
    const std::map<Command, std::string> captions = {
        {Command::PlayPause, "Play/Pause\n(space)"},
        {Command::Zero, "Zero\n(End/F9/Z)"},
        {Command::Rewind, "Rewind\n(Home/F11/R)"},
        {Command::Back5Seconds, "<<5 Seconds\n(F5/B/<-)"},
        {Command::Forward5Seconds, "5 Seconds>>\n(F8/F/->)"},
        {Command::LastTip, "<<Last Tip\n(F6/P)"},
        {Command::NextTip, "Next Tip>>\n(F7/N)"},
        {Command::TipTimer, "Tip Timer\n(F12/T)"},
    };
    ASSERT_EQ(captions.size(), button_table().size());
    for (const auto& [command, expected] : captions) {
        char caption[64] = {};
        GetDlgItemTextA(rig.window, button_control(command), caption, sizeof caption);
        EXPECT_EQ(caption, expected);
    }
    HMENU menu = GetMenu(rig.window);
    const std::pair<int, const char*> menu_texts[] = {
        {IDM_FILE_EXIT, "E&xit"},
        {IDM_EDIT_UNDO, "&Undo (backspace)"},
        {IDM_EDIT_COPY_PLACE, "&Copy Place\tCtrl+C"}, // the key with Ctrl in the key column
        {IDM_PLAY_GO_TO_PLACE, "&Go To Place...\tCtrl+G"},
    };
    for (const auto& [id, expected] : menu_texts) {
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(id), text, sizeof text, MF_BYCOMMAND);
        EXPECT_EQ(std::string(text), expected) << id;
    }
    for (const MenuItem& item : menu_table())
        EXPECT_GT(GetMenuStringA(menu, static_cast<UINT>(menu_id(item.command)), nullptr, 0,
                                 MF_BYCOMMAND),
                  0)
            << menu_id(item.command);
}

TEST(MainDialog, ThePositionBarFollowsThePlayerAndMovesItWhenLetGo)
{
    Rig rig;
    rig.dialog.controller().refresh();
    HWND bar = GetDlgItem(rig.window, IDC_POSITION_BAR);
    ASSERT_NE(bar, nullptr);
    EXPECT_NE(GetFocus(), bar); // the window holds the keys, not its bar
    EXPECT_EQ(SendMessageA(bar, TBM_GETRANGEMAX, 0, 0), 300);
    EXPECT_EQ(SendMessageA(bar, TBM_GETPOS, 0, 0), 10);
    const int recorded = rig.dialog.controller().state().history.count();
    const auto scrolled = [&](int code) {
        SendMessageA(rig.window, WM_HSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(bar));
    };
    // Dragged: the tick does not pull it back, and nothing moves until let go.
    scrolled(TB_THUMBTRACK);
    SendMessageA(bar, TBM_SETPOS, TRUE, 150);
    rig.dialog.controller().refresh();
    EXPECT_EQ(SendMessageA(bar, TBM_GETPOS, 0, 0), 150);
    EXPECT_EQ(rig.player.model.position_ms, 10000);
    scrolled(TB_ENDTRACK);
    EXPECT_EQ(rig.player.model.position_ms, 150000);
    EXPECT_EQ(rig.player.model.play_state, 1);                                // plays on
    EXPECT_EQ(rig.dialog.controller().state().history.count(), recorded + 2); // left, reached
    // Its keys (here End) move it too; a lone end of a move moves nothing.
    SendMessageA(bar, TBM_SETPOS, TRUE, 300);
    scrolled(TB_BOTTOM);
    scrolled(TB_ENDTRACK);
    EXPECT_EQ(rig.player.model.position_ms, 300000);
    rig.player.log.clear();
    scrolled(TB_ENDTRACK);
    EXPECT_TRUE(rig.player.traffic().empty());
}

/// The recording the build wrote (a second of tone, then 0.6 s of silence,
/// three times) as Windows names it, and the bar's waveform made of it by
/// the helper beside the program, with Windows' own decoder. Nothing when
/// no waveform came of it.
struct RecordingRig
{
    explicit RecordingRig(const char* name)
    {
        // Winamp does not tell its file: the playlist's entry is the recording.
        std::string folder = std::string("Z:") + CUEDECK_TEST_RECORDINGS + "/";
        std::replace(folder.begin(), folder.end(), '/', '\\');
        rig.system.separator = '\\';
        rig.system.drive_letters = true;
        rig.system.files[folder + "tips.m3u"] = name;
        rig.dialog.controller().open_playlist(folder + "tips.m3u");
        rig.player.model = {1, 1, 0, 200, 5, 50, "1. phrases - fake", ""};
        eventually(
            [&] {
                rig.dialog.controller().refresh();
                pump(rig.window);
                return shown() && shown()->complete;
            },
            std::chrono::milliseconds(50));
        rig.dialog.controller().refresh();
    }
    ~RecordingRig()
    {
        std::error_code failed;
        std::filesystem::remove_all(std::filesystem::path(wide_from_utf8(cache)), failed);
    }
    RecordingRig(const RecordingRig&) = delete;
    RecordingRig& operator=(const RecordingRig&) = delete;
    std::shared_ptr<const Waveform> shown() { return rig.dialog.controller().waveform_now(); }

    /// The number of waveforms in the cache.
    std::ptrdiff_t cached() const
    {
        std::error_code failed;
        const std::filesystem::directory_iterator files(wide_from_utf8(cache), failed);
        return failed ? 0 : std::distance(begin(files), end(files));
    }
    static std::string temporary_cache()
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        return utf8_from_wide(temp) + "cuedeck-waveforms-" + std::to_string(GetCurrentProcessId()) +
               "\\";
    }

    std::string cache = temporary_cache();
    std::unique_ptr<Waveforms> waveforms = decoded_waveforms(cache, CUEDECK_TEST_HELPER);
    Rig rig{waveforms.get()};
};

/// The bar's waveform is drawn where the recording sounds and not in its
/// pauses, and Shift with the arrows lands at the pauses' ends.
void expect_phrases_drawn_and_stepped_through(RecordingRig& recording, int off_by_ms)
{
    const auto shown = recording.shown();
    ASSERT_EQ(shown->pauses.size(), 2U);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_NEAR(shown->pauses[i].start_ms, 1000 + 1600 * int(i), off_by_ms);
        EXPECT_NEAR(shown->pauses[i].end_ms, 1600 + 1600 * int(i), off_by_ms);
    }
    // The bar as it draws itself, asked to draw into a picture of ours.
    HWND bar = GetDlgItem(recording.rig.window, IDC_POSITION_BAR);
    RECT area;
    GetClientRect(bar, &area);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = area.right;
    format.bmiHeader.biHeight = -area.bottom; // from the top down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC context = CreateCompatibleDC(nullptr);
    HBITMAP picture = CreateDIBSection(context, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(context, picture);
    SendMessageA(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(context), PRF_CLIENT);
    GdiFlush();
    const auto wave = bar_drawing::colours_on(true).waveform;
    const auto drawn_at = [&](int position_ms) {
        const int x = bar_drawing::Scale{area.right, 5000}.x_of(position_ms);
        int count = 0;
        for (int y = 0; y < area.bottom; ++y) {
            const auto pixel = static_cast<const std::uint32_t*>(bits)[y * area.right + x];
            count += pixel == std::uint32_t(wave.red << 16 | wave.green << 8 | wave.blue);
        }
        return count;
    };
    EXPECT_GT(drawn_at(500), area.bottom / 2) << "speech";
    EXPECT_EQ(drawn_at(1300), 0) << "a pause";
    EXPECT_GT(drawn_at(2100), area.bottom / 2) << "speech";
    DeleteObject(picture);
    DeleteDC(context);

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    auto& player = recording.rig.player;
    for (const int phrase_ms : {1600, 3200}) {
        PostMessageA(recording.rig.window, WM_KEYDOWN, VK_RIGHT, 0);
        pump(recording.rig.window);
        EXPECT_NEAR(player.model.position_ms, phrase_ms, off_by_ms);
    }
    PostMessageA(recording.rig.window, WM_KEYDOWN, VK_LEFT, 0);
    pump(recording.rig.window);
    EXPECT_NEAR(player.model.position_ms, 1600, off_by_ms);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    PostMessageA(recording.rig.window, WM_KEYDOWN, VK_LEFT, 0); // without Shift: 5 s back
    pump(recording.rig.window);
    EXPECT_EQ(player.model.position_ms, 0);
}

TEST(MainDialog, AWavsWaveformIsDrawnOnTheBarAndTheShiftArrowsLandAtItsPauses)
{
    RecordingRig recording("phrases.wav");
    const auto shown = recording.shown();
    ASSERT_TRUE(shown && shown->complete);
    ASSERT_EQ(shown->trouble, WaveformTrouble::None)
        << "Windows (here Wine, with GStreamer's base and good plugins) decodes WAV";
    // The levels Linux's decoder makes of it: loud exactly while the tone
    // sounds, to the stretch, its two channels each at -3 dB.
    ASSERT_GE(shown->levels.size(), 420U);
    for (std::size_t at = 0; at < 420; ++at)
        ASSERT_EQ(shown->levels[at], at % 160 < 100 ? waveform::level_of_peak(0.70710678F) : 1)
            << at * waveform::stretch_ms << " ms";
    expect_phrases_drawn_and_stepped_through(recording, 20);
    EXPECT_EQ(recording.cached(), 1) << "kept for the next time its tip opens";
    HMENU play = GetSubMenu(GetMenu(recording.rig.window), 2);
    EXPECT_GT(GetMenuStringA(play, UINT(menu_id(Command::PhraseForward)), nullptr, 0, MF_BYCOMMAND),
              0);
}

// Run as a test of its own: where Wine decodes no MP3, it is skipped, and
// says why.
TEST(MainDialogMp3, AnMp3sWaveformIsDrawnWhereWindowsDecodesIt)
{
    RecordingRig recording("phrases.mp3");
    const auto shown = recording.shown();
    ASSERT_TRUE(shown && shown->complete);
    if (shown->trouble == WaveformTrouble::Unreadable)
        GTEST_SKIP() << "Windows decodes no MP3 here: under Wine, GStreamer's good plugins "
                        "(gstreamer1.0-plugins-good) are missing";
    ASSERT_EQ(shown->trouble, WaveformTrouble::None);
    expect_phrases_drawn_and_stepped_through(recording, 60);
}

TEST(MainDialog, ADraftBesideTheTipsRecordingShowsUnderTheBarAndItsCuesAreSteppedThrough)
{
    Rig rig;
    // The Windows player does not tell its file: the playlist's entry is the recording.
    rig.system.files["/music/tips.m3u"] = "one.wav\ninterview.wav\n";
    rig.system.files["/music/interview.srt"] = "1\n00:00:00,000 --> 00:00:11,000\nFirst\n\n"
                                               "2\n00:00:12,500 --> 00:00:20,000\nSecond\n";
    RECT before;
    GetWindowRect(GetDlgItem(rig.window, IDC_PLAY_PAUSE), &before);
    rig.dialog.controller().open_playlist("/music/tips.m3u");
    rig.player.model = {1, 2, 1, 10000, 300, 50, "2. interview - fake", ""};
    rig.dialog.controller().refresh();
    char text[64] = {};
    GetDlgItemTextA(rig.window, IDC_DRAFT_LINE, text, sizeof text);
    EXPECT_STREQ(text, "First");
    GetDlgItemTextA(rig.window, IDC_DRAFT_NEXT, text, sizeof text);
    EXPECT_STREQ(text, "Second");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(rig.window, IDC_DRAFT_LINE)));
    RECT after;
    GetWindowRect(GetDlgItem(rig.window, IDC_PLAY_PAUSE), &after);
    EXPECT_GT(after.top, before.top) << "the buttons make room for it";

    PostMessageA(rig.window, WM_KEYDOWN, 'V', 0);
    pump(rig.window);
    EXPECT_EQ(rig.player.model.position_ms, 12500);
    GetDlgItemTextA(rig.window, IDC_DRAFT_LINE, text, sizeof text);
    EXPECT_STREQ(text, "Second");
    PostMessageA(rig.window, WM_KEYDOWN, 'X', 0);
    pump(rig.window);
    EXPECT_EQ(rig.player.model.position_ms, 0);
}

/// The window with a draft beside the tip's recording (tip 2 of 2, at 0 s):
/// `cues` as an SRT's, one a line, nine seconds each from 0, 10, 20 s ...
void open_draft(Rig& rig, const std::vector<std::string>& cues)
{
    std::string srt;
    for (std::size_t i = 0; i < cues.size(); ++i)
        srt += std::to_string(i + 1) + "\n00:00:" + std::to_string(i) +
               "0,000 --> 00:00:" + std::to_string(i) + "9,000\n" + cues[i] + "\n\n";
    rig.system.files["/music/tips.m3u"] = "one.wav\ninterview.wav\n";
    rig.system.files["/music/interview.srt"] = srt;
    rig.dialog.controller().open_playlist("/music/tips.m3u");
    rig.player.model = {1, 2, 1, 0, 300, 50, "2. interview - fake", ""};
    rig.dialog.controller().refresh();
}

/// The clipboard's Unicode text, as another program pastes it.
std::wstring unicode_on_clipboard(HWND window)
{
    std::wstring text;
    if (!OpenClipboard(window))
        return L"(the clipboard is held)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Copy Cue and Copy Draft paste in another program as they read, whatever
// the script, with Windows' line ends; and what was copied comes back.
TEST(MainDialog, CopiedCuesPasteInEveryScript)
{
    Rig rig;
    const std::string latin = "Andr\xc3\xa9: caf\xc3\xa9";
    const std::string hebrew = "\xd7\x93\xd7\x95\xd7\x93: \xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d "
                               "\xe4\xb8\xad\xe6\x96\x87"; // and two CJK characters
    open_draft(rig, {latin, hebrew});
    run_command(rig.dialog.controller(), Command::CopyCue);
    EXPECT_EQ(utf8_from_wide(unicode_on_clipboard(rig.window)), "[2 00:00:00.0] " + latin);
    rig.player.model.position_ms = 10000;
    run_command(rig.dialog.controller(), Command::CopyCue);
    EXPECT_EQ(utf8_from_wide(unicode_on_clipboard(rig.window)), "[2 00:00:10.0] " + hebrew);
    run_command(rig.dialog.controller(), Command::CopyDraftAsTranscript);
    const std::string transcript = "[2 00:00:00.0] " + latin + "\n[2 00:00:10.0] " + hebrew + "\n";
    EXPECT_EQ(utf8_from_wide(unicode_on_clipboard(rig.window)),
              "[2 00:00:00.0] " + latin + "\r\n[2 00:00:10.0] " + hebrew + "\r\n");
    EXPECT_EQ(rig.dialog.clipboard_text(), transcript);
}

/// A control's client area as 32-bit pixels: as the screen shows it, or as
/// the control draws itself now.
std::vector<std::uint32_t> pixels_of(HWND control, bool on_screen)
{
    RECT area;
    GetClientRect(control, &area);
    BITMAPINFO format{};
    format.bmiHeader = {
        sizeof(BITMAPINFOHEADER), area.right, -area.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC context = CreateCompatibleDC(nullptr);
    HBITMAP picture = CreateDIBSection(context, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ before = SelectObject(context, picture);
    if (on_screen) {
        HDC screen = GetDC(control);
        BitBlt(context, 0, 0, area.right, area.bottom, screen, 0, 0, SRCCOPY);
        ReleaseDC(control, screen);
    } else {
        SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(context), PRF_CLIENT);
    }
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> pixels(first, first + area.right * area.bottom);
    SelectObject(context, before);
    DeleteObject(picture);
    DeleteDC(context);
    return pixels;
}

/// Where a control's text is drawn: from its leftmost to its rightmost
/// column of ink, as it draws itself.
std::pair<int, int> ink_of(HWND control)
{
    RECT area;
    GetClientRect(control, &area);
    const auto pixels = pixels_of(control, false);
    int left = area.right, right = -1;
    for (int y = 0; y < area.bottom; ++y) {
        for (int x = 0; x < area.right; ++x) {
            if (pixels[y * area.right + x] != pixels[0]) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

// A cue that reads from right to left is set from the right, in the order
// it is read, and the line goes back to the left for one that does not.
TEST(MainDialog, ARightToLeftCueIsSetFromTheRight)
{
    Rig rig;
    const std::string hebrew = "\xd7\x93\xd7\x95\xd7\x93: \xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d";
    open_draft(rig, {hebrew, "Ann: shalom", "\xd9\xa1 " + hebrew});
    const auto expect_set = [&rig](int id, bool from_the_right) {
        HWND control = GetDlgItem(rig.window, id);
        RECT area;
        GetClientRect(control, &area);
        const auto [left, right] = ink_of(control);
        ASSERT_LE(left, right) << id << ": nothing drawn";
        if (from_the_right)
            EXPECT_GT(left, area.right / 2) << id;
        else
            EXPECT_LT(right, area.right / 2) << id;
        EXPECT_EQ((GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0, from_the_right)
            << id;
    };
    expect_set(IDC_DRAFT_LINE, true);
    expect_set(IDC_DRAFT_NEXT, false);
    PostMessageA(rig.window, WM_KEYDOWN, 'V', 0);
    pump(rig.window);
    expect_set(IDC_DRAFT_LINE, false);
    expect_set(IDC_DRAFT_NEXT, true); // after an Arabic digit, a Hebrew word
}

/// Which of a control's pixels no other control of its window covers.
std::vector<bool> uncovered(HWND control)
{
    RECT area;
    GetClientRect(control, &area);
    std::vector<bool> mine(std::size_t(area.right * area.bottom), true);
    for (HWND other = GetWindow(GetParent(control), GW_CHILD); other != nullptr;
         other = GetWindow(other, GW_HWNDNEXT)) {
        RECT at;
        if (other == control || !IsWindowVisible(other) || !GetWindowRect(other, &at))
            continue;
        MapWindowPoints(nullptr, control, reinterpret_cast<POINT*>(&at), 2);
        for (LONG y = std::max(at.top, 0L); y < std::min(at.bottom, area.bottom); ++y)
            for (LONG x = std::max(at.left, 0L); x < std::min(at.right, area.right); ++x)
                mine[std::size_t(y * area.right + x)] = false;
    }
    return mine;
}

// The buttons under the draft line move when it opens and when it shuts,
// and the window shows each of them as it draws itself: no piece of
// another's caption is left on them.
TEST(MainDialog, TheButtonsAreDrawnWholeWhereTheDraftLineMovesThem)
{
    Rig rig;
    pump(rig.window);
    const auto expect_drawn_whole = [&rig](const char* when) {
        pump(rig.window);
        for (const ButtonBinding& button : button_table()) {
            HWND control = GetDlgItem(rig.window, button_control(button.command));
            const auto shown = pixels_of(control, true);
            const auto drawn = pixels_of(control, false);
            const auto mine = uncovered(control); // the next row overlaps a line
            std::size_t stale = 0;
            for (std::size_t i = 0; i < shown.size(); ++i)
                stale += mine[i] && shown[i] != drawn[i];
            EXPECT_EQ(stale, 0U) << when << ", pixels not its own: " << button_caption(button);
        }
    };
    RECT before;
    GetWindowRect(GetDlgItem(rig.window, IDC_ZERO), &before);
    open_draft(rig, {"First"});
    RECT after;
    GetWindowRect(GetDlgItem(rig.window, IDC_ZERO), &after);
    ASSERT_GT(after.top, before.top);
    expect_drawn_whole("opened");
    rig.player.model = {1, 2, 0, 0, 300, 50, "1. one - fake", ""}; // a tip without a draft
    rig.dialog.controller().refresh();
    GetWindowRect(GetDlgItem(rig.window, IDC_ZERO), &after);
    ASSERT_EQ(after.top, before.top);
    expect_drawn_whole("shut");
}

TEST(MainDialog, TheCloseBoxShutsDown)
{
    Rig rig;
    SendMessageA(rig.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(rig.player.traffic(), std::vector<std::string>{"close"});
    EXPECT_EQ(rig.system.files.count("/opt/cuedeck/cuedeck.dat"), 1u);
    EXPECT_FALSE(IsWindow(rig.window));
}

/// A drop of these paths, as the shell hands it to the window.
HDROP make_drop(const std::vector<std::string>& paths)
{
    std::string names;
    for (const auto& path : paths)
        names += path + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST(MainDialog, TakesADropOfOneFileAndIgnoresTwo)
{
    Rig one;
    SendMessageA(one.window, WM_DROPFILES, reinterpret_cast<WPARAM>(make_drop({"C:\\m\\talk.wav"})),
                 0);
    EXPECT_EQ(one.player.model.loaded, "C:\\m\\talk.wav");
    Rig two;
    SendMessageA(two.window, WM_DROPFILES,
                 reinterpret_cast<WPARAM>(make_drop({"C:\\m\\a.m3u", "C:\\m\\b.m3u"})), 0);
    EXPECT_TRUE(two.player.traffic().empty());
}

class OptionsExchange : public ::testing::Test
{
protected:
    OptionsExchange()
    {
        options.set_refusal([this](HWND) { ++refusals; });
    }

    HWND open(const Options& values)
    {
        options.set_values(values);
        return options.open_modeless(nullptr);
    }

    static std::string text(HWND dialog, int id)
    {
        char buffer[256] = {};
        GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
        return buffer;
    }

    std::vector<std::string> previews;
    int refusals = 0;
    OptionsDialogWin32 options{GetModuleHandleA(nullptr),
                               [this](int method, const std::string& path) {
                                   previews.push_back(std::to_string(method) + " " + path);
                               }};
};

TEST_F(OptionsExchange, FillsTheControlsAndReadsThemBackOnOk)
{
    HWND dialog = open(options_with(15, "C:\\s\\bell.wav", 1, 1, 3));
    EXPECT_EQ(text(dialog, IDC_OPT_TIP_TIME), "15");
    EXPECT_EQ(text(dialog, IDC_OPT_SOUND_FILE), "C:\\s\\bell.wav");
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_OPT_PLAYSND), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_OPT_PHRASE_STEP_BACK), BST_UNCHECKED);
    EXPECT_EQ(text(dialog, IDC_OPT_PHRASE_STEP_BACK), "Step back to where the phrase began");
    SetDlgItemTextA(dialog, IDC_OPT_BACK_TIME, "-6");
    CheckDlgButton(dialog, IDC_OPT_SOUND_ON, BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_OPT_PHRASE_STEP_BACK, BST_CHECKED);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(options.values().back_time, -6);
    EXPECT_EQ(options.values().sound_on, 0);
    EXPECT_EQ(options.values().play_using, 1);
    EXPECT_EQ(options.values().phrase_step_back, 1);
}

// Foot pedal: the usual pedal is chosen among the devices, Learn takes a
// press of each pedal (a second press of one is not the next), and OK keeps
// what was learned with the device and the mode.
TEST_F(OptionsExchange, ThePedalIsChosenAndLearnedAndKeptOnOk)
{
    options.set_device_lister([] {
        return std::vector<InputDevice>{{"\\\\?\\hid#kbd", "Keyboard", "046d:c31c"},
                                        {"\\\\?\\hid#vec", "VEC USB Footpedal", "05f3:00ff"}};
    });
    static std::function<void(int)> pedal;
    std::string learning_on;
    options.set_pedal_learner([&](const std::string& device, std::function<void(int)> pressed) {
        if (pressed)
            learning_on = device;
        pedal = std::move(pressed);
    });
    HWND dialog = open(options_with(0, "", 2, 0, 0));
    char shown[64] = {};
    GetDlgItemTextA(dialog, IDC_OPT_PEDAL_DEVICE, shown, sizeof shown);
    EXPECT_STREQ(shown, "VEC USB Footpedal (05f3:00ff)");
    // The presses arrive while Learn's prompt runs its own loop.
    SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        for (const int code : {257, 257, 256, 258})
            pedal(code);
    });
    SendMessageA(dialog, WM_COMMAND, IDC_OPT_PEDAL_LEARN, 0);
    EXPECT_EQ(learning_on, "\\\\?\\hid#vec");
    EXPECT_FALSE(pedal); // learning was stopped
    GetDlgItemTextA(dialog, IDC_OPT_PEDAL_BUTTONS, shown, sizeof shown);
    EXPECT_STREQ(shown, "Pedals: left 257, middle 256, right 258");
    CheckDlgButton(dialog, IDC_OPT_PEDAL_TOGGLES, BST_CHECKED);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(options.values().pedal_device, "\\\\?\\hid#vec");
    EXPECT_EQ(options.values().pedal_buttons, (PedalButtons{257, 256, 258}));
    EXPECT_EQ(options.values().pedal_mode, PedalMode::Toggle);
}

TEST_F(OptionsExchange, AnUnknownMethodShowsNoChoiceAndOkStoresNone)
{
    HWND dialog = open(options_with(0, "", 2, 0, 0));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_OPT_AMOVIE), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_OPT_PLAYSND), BST_UNCHECKED);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(options.values().play_using, -1);
}

TEST_F(OptionsExchange, OkRefusesANumberFieldWithoutAWholeNumberAndStaysOpen)
{
    HWND dialog = open(options_with(4, "", 0, 1, 2));
    SetDlgItemTextA(dialog, IDC_OPT_TIP_TIME, "abc");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(refusals, 1);
    EXPECT_TRUE(IsWindow(dialog));
    // Preview plays what was read before the refused field, sound on or off.
    SetDlgItemTextA(dialog, IDC_OPT_SOUND_FILE, "C:\\s\\new.wav");
    SendMessageA(dialog, WM_COMMAND, IDC_OPT_PREVIEW, 0);
    EXPECT_EQ(previews, std::vector<std::string>{"0 C:\\s\\new.wav"});
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(dialog));
}

} // namespace
} // namespace cuedeck::testing

namespace cuedeck::testing {
namespace {

/// Every text of `dialog` that does not fit its control, as "text (needed > room)".
std::vector<std::string> clipped(HWND dialog)
{
    std::vector<std::string> found;
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        char name[32] = {}, text[512] = {};
        GetClassNameA(control, name, sizeof name);
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        const bool button = lstrcmpiA(name, "Button") == 0;
        if ((!button && lstrcmpiA(name, "Static") != 0) || (style & SS_TYPEMASK) == SS_BITMAP ||
            GetWindowTextA(control, text, sizeof text) == 0)
            continue;
        RECT room;
        GetClientRect(control, &room);
        if (room.right == 0) // a name for a screen reader, not shown
            continue;
        int width = room.right - room.left;
        const LONG kind = style & BS_TYPEMASK;
        if (button && (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX ||
                       kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON))
            width -= GetSystemMetrics(SM_CXMENUCHECK) + 4;
        else if (button)
            // Inside the focus rectangle (a group box: beside its line).
            width -= 2 * GetSystemMetrics(SM_CXEDGE) + (kind == BS_GROUPBOX ? 8 : 2);
        HDC dc = GetDC(control);
        HGDIOBJ before =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
        const LONG static_kind = style & SS_TYPEMASK;
        if (!button &&
            (static_kind == SS_LEFT || static_kind == SS_CENTER || static_kind == SS_RIGHT)) {
            // A static that wraps: its lines in the lines it has room for, no
            // word wider than it.
            RECT needed{0, 0, width, 0}, line{0, 0, width, 0};
            const std::wstring wide = wide_from_utf8(text);
            DrawTextW(dc, wide.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
            DrawTextA(dc, "Ag", -1, &line, DT_CALCRECT);
            const int lines = needed.bottom / std::max(1L, line.bottom);
            if (needed.right > width ||
                lines > std::max(1L, room.bottom / std::max(1L, line.bottom)))
                found.push_back(std::string(text) + " (" + std::to_string(needed.right) + "x" +
                                std::to_string(needed.bottom) + " > " + std::to_string(width) +
                                "x" + std::to_string(room.bottom) + ")");
        } else {
            std::string line;
            for (const char c : std::string(text) + "\n") {
                if (c != '\n' && c != '\r') {
                    if (c != '&')
                        line += c;
                    continue;
                }
                SIZE size{};
                const std::wstring wide = wide_from_utf8(line);
                GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
                if (size.cx > width)
                    found.push_back(line + " (" + std::to_string(size.cx) + " > " +
                                    std::to_string(width) + ")");
                line.clear();
            }
        }
        SelectObject(dc, before);
        ReleaseDC(control, dc);
    }
    return found;
}

/// The window and the Options dialog in every language the program carries:
/// each speaks it, with Winamp's name and the keys in it, and every text fits.
TEST(MainDialog, SpeaksTheUsersLanguageAndEveryTextFitsWhereTheEnglishOneDoes)
{
    for (const LANGID language : {LANG_ENGLISH, LANG_GERMAN, LANG_FRENCH, LANG_SPANISH,
                                  LANG_ITALIAN, LANG_DUTCH, LANG_PORTUGUESE}) {
        const std::string used = use_windows_language(language);
        EXPECT_EQ(used.empty(), language == LANG_ENGLISH);
        Rig rig;
        char text[128] = {};
        if (language == LANG_GERMAN) {
            GetDlgItemTextA(rig.window, IDC_PLAY_PAUSE, text, sizeof text);
            EXPECT_STREQ(text, "Wiedergabe/Pause\n(Leertaste)");
            GetMenuStringA(GetMenu(rig.window), 0, text, sizeof text, MF_BYPOSITION);
            EXPECT_STREQ(text, "&Datei");
            GetWindowTextA(rig.window, text, sizeof text);
            EXPECT_STREQ(text, "Cuedeck - Fake Player f\xc3\xbcr Bandgruppen"); // UTF-8
        }
        for (const std::string& fault : clipped(rig.window))
            ADD_FAILURE() << used << ", the window: " << fault;
        OptionsDialogWin32 options{GetModuleHandleA(nullptr), [](int, const std::string&) {}};
        HWND dialog = options.open_modeless(rig.window);
        for (const std::string& fault : clipped(dialog))
            ADD_FAILURE() << used << ", the Options dialog: " << fault;
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    use_windows_language(LANG_ENGLISH);
}

/// What the system's accessibility names a button or a static text by: its
/// caption. (Wine's MSAA gives no object for them, so the caption is read.)
std::string caption_of(HWND control)
{
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

TEST(MainDialog, EveryButtonAndReadOutHasACaptionForTheSystemsAccessibility)
{
    use_windows_language(LANG_GERMAN);
    {
        Rig rig;
        rig.dialog.controller().tick();
        EXPECT_EQ(caption_of(GetDlgItem(rig.window, IDC_PLAY_PAUSE)),
                  "Wiedergabe/Pause\n(Leertaste)");
        for (const int id : {IDC_ZERO, IDC_REWIND, IDC_BACK_5, IDC_FORWARD_5, IDC_LAST_TIP,
                             IDC_NEXT_TIP, IDC_TIP_TIMER_BUTTON, IDC_COUNTER, IDC_TIP_TIMER,
                             IDC_PLAYING, IDC_POSITION, IDC_TIP_LENGTH, IDC_SOUND_STATE})
            EXPECT_FALSE(caption_of(GetDlgItem(rig.window, id)).empty()) << "control " << id;
        // The position bar, a trackbar, by the label beside it.
        HWND bar = GetDlgItem(rig.window, IDC_POSITION_BAR);
        EXPECT_EQ(caption_of(GetWindow(bar, GW_HWNDPREV)), "Position");
    }
    use_windows_language(LANG_ENGLISH);
}

/// Pump the window's messages for `turns` turns of 5 ms: what a pedal or a
/// sender would still bring is taken in, so that what did not come did not.
void pump_for(HWND window, int turns)
{
    for (int turn = 0; turn < turns; ++turn) {
        pump(window);
        Sleep(5);
    }
}

/// Pump the window's messages until `done`, within the tests' deadline.
template <typename Done> bool pump_until(HWND window, Done done)
{
    return eventually(
        [&] {
            pump(window);
            return done();
        },
        std::chrono::milliseconds(5));
}

/// The foot pedal's device as the tests give it: a named pipe that carries
/// the reports a VEC pedal sends, plugged in and out at will.
class PedalPipe
{
public:
    PedalPipe()
        : m_name("\\\\.\\pipe\\cuedeck-pedal-" + std::to_string(GetCurrentProcessId())),
          m_pipe(CreateNamedPipeA(m_name.c_str(), PIPE_ACCESS_OUTBOUND,
                                  PIPE_TYPE_BYTE | PIPE_NOWAIT, 1, 4096, 4096, 0, nullptr))
    {
    }
    ~PedalPipe() { CloseHandle(m_pipe); }
    PedalPipe(const PedalPipe&) = delete;
    PedalPipe& operator=(const PedalPipe&) = delete;

    const std::string& name() const { return m_name; }
    /// Whether the reader has opened it (it is looked for once a second).
    bool plugged_in()
    {
        return !ConnectNamedPipe(m_pipe, nullptr) && GetLastError() == ERROR_PIPE_CONNECTED;
    }
    /// One report: the pedals down (1 left, 2 middle, 4 right, added up).
    void report(unsigned char down)
    {
        const char bytes[] = {0, static_cast<char>(down), 0};
        DWORD written = 0;
        WriteFile(m_pipe, bytes, sizeof bytes, &written, nullptr);
    }
    void unplug() { DisconnectNamedPipe(m_pipe); }

private:
    std::string m_name;
    HANDLE m_pipe;
};

// The pedal read from its device through the same rules as on Linux: the
// middle pedal plays while down and pauses with the step back when let go,
// the right one skips forward, each with the player traffic of its key; an
// unplugged pedal is said to be so and is taken up again when it comes back.
TEST(FootPedal, ReportsFromTheDeviceGiveTheKeysTrafficAndAnUnpluggedPedalIsTakenUpAgain)
{
    const auto paused = [](Rig& rig) {
        Options options = rig.dialog.controller().options();
        options.back_time = 2;
        rig.dialog.controller().apply_options(options);
        rig.player.model.play_state = 3;
        KillTimer(rig.window, 1); // no tick between the steps compared
        rig.player.log.clear();
    };
    Rig keys;
    paused(keys);
    std::vector<std::vector<std::string>> by_keys;
    for (const Command command :
         {Command::PlayPause, Command::PlayPause, Command::Forward5Seconds}) {
        keys.session.carry_out_in_window(command);
        by_keys.push_back(keys.player.traffic());
        keys.player.log.clear();
    }

    Rig rig;
    paused(rig);
    PedalPipe pipe;
    FootPedalWin32 pedal(rig.session,
                         [&rig](std::function<void()> work) { rig.dialog.later(std::move(work)); });
    Options options = rig.dialog.controller().options();
    options.pedal_device = pipe.name();
    options.pedal_buttons = PedalButtons{256, 257, 258};
    options.pedal_mode = PedalMode::Hold;
    rig.session.apply_options(options);
    ASSERT_TRUE(pump_until(rig.window, [&] { return pipe.plugged_in(); }));
    const auto step = [&](std::initializer_list<unsigned char> reports, std::size_t expected) {
        KillTimer(rig.window, 1);
        rig.player.log.clear();
        for (const unsigned char down : reports)
            pipe.report(down);
        EXPECT_TRUE(pump_until(rig.window, [&] { return !rig.player.traffic().empty(); }));
        pump_for(rig.window, 60); // nothing more comes
        EXPECT_EQ(rig.player.traffic(), by_keys[expected]) << "step " << expected;
    };
    step({2}, 0); // middle down: play
    step({0}, 1); // let go: pause, stepped back

    pipe.unplug();
    EXPECT_TRUE(pump_until(rig.window, [&] {
        char state[64] = {};
        GetDlgItemTextA(rig.window, IDC_DEVICE_STATE, state, sizeof state);
        return std::string(state) == "Pedal disconnected";
    }));
    ASSERT_TRUE(pump_until(rig.window, [&] { return pipe.plugged_in(); }));
    step({4, 0}, 2); // right: forward, once
}

/// The raw input name of the keyboard that carries what SendInput types
/// (Wine's own keyboard device), as the settings name a keypad.
std::string typing_keyboard()
{
    UINT count = 0;
    GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST));
    std::vector<RAWINPUTDEVICELIST> devices(count);
    GetRawInputDeviceList(devices.data(), &count, sizeof(RAWINPUTDEVICELIST));
    for (const RAWINPUTDEVICELIST& device : devices) {
        char name[512] = {};
        UINT length = sizeof name;
        if (device.dwType == RIM_TYPEKEYBOARD &&
            GetRawInputDeviceInfoA(device.hDevice, RIDI_DEVICENAME, name, &length) != UINT(-1))
            return name;
    }
    return {};
}

/// Type keys by their make codes: each down, or up when `up` is set.
void type_keys(std::initializer_list<unsigned short> make_codes, bool up, bool extended = false)
{
    for (const unsigned short make_code : make_codes) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = make_code;
        input.ki.dwFlags = KEYEVENTF_SCANCODE | (up ? KEYEVENTF_KEYUP : 0) |
                           (extended ? KEYEVENTF_EXTENDEDKEY : 0);
        SendInput(1, &input, sizeof input);
    }
}

// The keypad read through raw input from the keyboard its device's name
// names, through the same rules as on Linux and with Linux's key codes:
// keypad 5 plays while held and pauses with the step back when let go,
// keypad 6 skips forward again at each of the keyboard's repeats, the
// extended keypad Enter is learned as Linux's 96; once the settings name a
// keyboard that is not plugged in, the window says so and no key acts.
TEST(Keypad, RawKeysOfTheNamedKeyboardGiveTheKeysTraffic)
{
    const auto paused = [](Rig& rig) {
        Options options = rig.dialog.controller().options();
        options.back_time = 2;
        rig.dialog.controller().apply_options(options);
        rig.player.model.play_state = 3;
        KillTimer(rig.window, 1); // no tick between the steps compared
        rig.player.log.clear();
    };
    Rig keys;
    paused(keys);
    std::vector<std::vector<std::string>> by_keys;
    for (const auto& commands :
         std::vector<std::vector<Command>>{{Command::PlayPause},
                                           {Command::PlayPause},
                                           {Command::Forward5Seconds, Command::Forward5Seconds}}) {
        for (const Command command : commands)
            keys.session.carry_out_in_window(command);
        by_keys.push_back(keys.player.traffic());
        keys.player.log.clear();
    }

    const std::string keyboard = typing_keyboard();
    ASSERT_FALSE(keyboard.empty());
    Rig rig;
    paused(rig);
    KeypadWin32 keypad(rig.session,
                       [&rig](std::function<void()> work) { rig.dialog.later(std::move(work)); });
    Options options = rig.dialog.controller().options();
    options.keypad_device = keyboard;
    options.keypad_keys = {{76, "play-while-held"}, {77, "forward"}};
    rig.session.apply_options(options);
    // Typed keys reach the keypad once it watches the keyboards.
    ASSERT_TRUE(pump_until(rig.window, [] {
        UINT count = 0;
        GetRegisteredRawInputDevices(nullptr, &count, sizeof(RAWINPUTDEVICE));
        return count > 0;
    }));
    const auto step = [&](const std::function<void()>& type, std::size_t expected) {
        KillTimer(rig.window, 1);
        rig.player.log.clear();
        type();
        EXPECT_TRUE(pump_until(
            rig.window, [&] { return rig.player.traffic().size() >= by_keys[expected].size(); }));
        pump_for(rig.window, 60); // nothing more comes
        EXPECT_EQ(rig.player.traffic(), by_keys[expected]) << "step " << expected;
    };
    step([] { type_keys({0x4c}, false); }, 0); // keypad 5 down: play
    step([] { type_keys({0x4c}, true); }, 1);  // let go: pause, stepped back
    // Keypad 6 down, repeated, let go: forward twice.
    step(
        [] {
            type_keys({0x4d, 0x4d}, false);
            type_keys({0x4d}, true);
        },
        2);

    std::vector<int> learned;
    rig.session.learn_keypad(keyboard, [&learned](int code) { learned.push_back(code); });
    type_keys({0x1c}, false, true);
    type_keys({0x1c}, true, true);
    EXPECT_TRUE(pump_until(rig.window, [&] { return !learned.empty(); }));
    rig.session.stop_learning_keypad();
    EXPECT_EQ(learned, std::vector<int>{96});

    options.keypad_device = "\\\\?\\HID#VID_FFFF&PID_FFFF#none";
    rig.session.apply_options(options);
    EXPECT_TRUE(pump_until(rig.window, [&] {
        char state[64] = {};
        GetDlgItemTextA(rig.window, IDC_DEVICE_STATE, state, sizeof state);
        return std::string(state) == "Keypad disconnected";
    }));
    KillTimer(rig.window, 1);
    rig.player.log.clear();
    type_keys({0x4c, 0x4d}, false);
    type_keys({0x4c, 0x4d}, true);
    pump_for(rig.window, 60);
    EXPECT_TRUE(rig.player.traffic().empty());
}

// Another copy's hand-over, and whatever another program sends: the file's
// name arrives whole, however long and whatever its characters; a line that
// is no request is refused and nothing runs; a flood of them does not keep a
// real request from being carried out.
TEST(OneCopy, TheHandedFileArrivesWholeAndWhatIsNoRequestIsRefused)
{
    Rig rig;
    rig.player.log.clear();
    const std::wstring meeting = L"CuedeckTest-" + std::to_wstring(GetCurrentProcessId());
    OneCopyWin32 first(meeting);
    std::string reason;
    ASSERT_EQ(first.claim("", reason), OneCopyWin32::Role::First);
    std::vector<std::string> arrived;
    first.serve(
        rig.session, [&rig](std::function<void()> work) { rig.dialog.later(std::move(work)); },
        [&arrived](const std::string& file) { arrived.push_back(file); });

    // Longer than MAX_PATH, outside every ANSI code page, and the characters
    // a shell treats as its own.
    const std::string name = "C:\\groups\\" + std::string(300, 'a') +
                             "\\Gr\xc3\xbc\xc3\x9f"
                             "e \xe2\x82\xac \xe4\xb8\xad & <x> 'q' %20#.grp";
    OneCopyWin32 later(meeting);
    EXPECT_EQ(later.claim(name, reason), OneCopyWin32::Role::HandedOver) << reason;
    ASSERT_TRUE(pump_until(rig.window, [&] { return !arrived.empty(); }));
    EXPECT_EQ(arrived, std::vector<std::string>{name});

    const auto answer_to = [&meeting](const std::string& bytes) {
        const std::wstring pipe_name = OneCopyWin32::pipe_for(meeting);
        HANDLE pipe = INVALID_HANDLE_VALUE;
        // One sender at a time: the next waits for the pipe.
        for (int busy = 0; busy < 10 && pipe == INVALID_HANDLE_VALUE; ++busy) {
            pipe = CreateFileW(pipe_name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, 0, nullptr);
            if (pipe == INVALID_HANDLE_VALUE)
                WaitNamedPipeW(pipe_name.c_str(), 1000);
        }
        DWORD moved = 0;
        WriteFile(pipe, bytes.data(), DWORD(bytes.size()), &moved, nullptr);
        char answer[256] = {};
        ReadFile(pipe, answer, sizeof answer - 1, &moved, nullptr);
        CloseHandle(pipe);
        return std::string(answer, moved);
    };
    EXPECT_THAT(answer_to("hello\n"), ::testing::StartsWith("refused unknown request"));
    EXPECT_THAT(answer_to("command next-tip-please\n"),
                ::testing::StartsWith("refused no command is called"));
    EXPECT_EQ(answer_to(std::string(70000, 'x')), "refused unknown request\n");
    for (int flood = 0; flood < 200; ++flood)
        answer_to("\x01\xff junk " + std::to_string(flood) + "\r\n");
    pump(rig.window);
    // Nothing was carried out: at most the tick asked where the player is,
    // when the flood took longer than a second.
    const auto moved = [&rig] {
        const auto traffic = rig.player.traffic();
        return std::find(traffic.begin(), traffic.end(), "NextTrack") != traffic.end();
    };
    EXPECT_FALSE(moved());
    rig.player.clear_log();

    // A sender that trickles a byte every half second holds the pipe no
    // longer than a silent one (5 s), not for as long as it trickles; a
    // request sent meanwhile is carried out as told, never later.
    std::thread trickler([&meeting] {
        const std::wstring pipe_name = OneCopyWin32::pipe_for(meeting);
        HANDLE pipe =
            CreateFileW(pipe_name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        DWORD written = 0;
        int sent = 0;
        while (sent < 40 && WriteFile(pipe, "c", 1, &written, nullptr) && written == 1) {
            ++sent;
            Sleep(500);
        }
        CloseHandle(pipe);
        EXPECT_LT(sent, 20) << "the trickling sender was not cut off";
    });
    Sleep(200);
    OneCopyWin32::Delivery late = OneCopyWin32::Delivery::NoneRunning;
    std::atomic<bool> answered = false;
    std::thread meanwhile([&] {
        late = OneCopyWin32::send_request(
            meeting, [](std::int64_t until) { return format_command_request("next-tip", until); },
            reason);
        answered = true;
    });
    pump_until(rig.window, [&] { return answered.load(); });
    meanwhile.join();
    trickler.join();
    pump_for(rig.window, 400); // what would come late, comes now
    EXPECT_EQ(moved(), late == OneCopyWin32::Delivery::CarriedOut) << reason;
    rig.player.clear_log();

    OneCopyWin32::Delivery delivered = OneCopyWin32::Delivery::NoneRunning;
    std::thread sender([&] {
        delivered = OneCopyWin32::send_request(
            meeting, [](std::int64_t until) { return format_command_request("next-tip", until); },
            reason);
    });
    EXPECT_TRUE(pump_until(rig.window, moved));
    sender.join(); // the pipe's thread answers once the window has carried it out
    EXPECT_EQ(delivered, OneCopyWin32::Delivery::CarriedOut) << reason;
}

} // namespace
} // namespace cuedeck::testing

namespace cuedeck::testing {
namespace {

// Given senders connected to the pipe that say nothing: a command sent
// meanwhile is carried out and answered while they are still connected, not
// once the first of them has been dropped for its silence.
TEST(OneCopy, SilentSendersHoldUpNoOtherRequest)
{
    Rig rig;
    rig.player.clear_log();
    const std::wstring meeting = L"CuedeckSilent-" + std::to_wstring(GetCurrentProcessId());
    OneCopyWin32 first(meeting);
    std::string reason;
    ASSERT_EQ(first.claim("", reason), OneCopyWin32::Role::First);
    first.serve(
        rig.session, [&rig](std::function<void()> work) { rig.dialog.later(std::move(work)); },
        [](const std::string&) {});
    HANDLE let_go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<int> connected = 0;
    std::atomic<int> dropped = 0;
    std::vector<std::thread> silent;
    for (int sender = 0; sender < 4; ++sender) {
        silent.emplace_back([&] {
            const std::wstring pipe_name = OneCopyWin32::pipe_for(meeting);
            HANDLE pipe = INVALID_HANDLE_VALUE;
            while (pipe == INVALID_HANDLE_VALUE && WaitForSingleObject(let_go, 0) == WAIT_TIMEOUT) {
                pipe = CreateFileW(pipe_name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
                if (pipe == INVALID_HANDLE_VALUE)
                    WaitNamedPipeW(pipe_name.c_str(), 100);
            }
            if (pipe == INVALID_HANDLE_VALUE)
                return;
            ++connected;
            DWORD waiting = 0;
            while (WaitForSingleObject(let_go, 10) == WAIT_TIMEOUT) {
                if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr)) {
                    ++dropped;
                    break;
                }
            }
            CloseHandle(pipe);
        });
    }
    ASSERT_TRUE(eventually([&] { return connected > 0; }));
    OneCopyWin32::Delivery delivered = OneCopyWin32::Delivery::NoneRunning;
    std::atomic<bool> answered = false;
    int dropped_by_then = -1;
    std::thread sender([&] {
        delivered = OneCopyWin32::send_request(
            meeting, [](std::int64_t until) { return format_command_request("next-tip", until); },
            reason);
        dropped_by_then = dropped;
        answered = true;
    });
    pump_until(rig.window, [&] { return answered.load(); });
    sender.join();
    SetEvent(let_go);
    for (std::thread& one : silent)
        one.join();
    CloseHandle(let_go);
    EXPECT_EQ(delivered, OneCopyWin32::Delivery::CarriedOut) << reason;
    EXPECT_EQ(dropped_by_then, 0) << "answered only once a silent sender was dropped";
    const auto traffic = rig.player.traffic();
    EXPECT_NE(std::find(traffic.begin(), traffic.end(), "NextTrack"), traffic.end());
}

/// The recording the build wrote, as Windows names it.
std::string phrases_wav()
{
    std::string path = std::string("Z:") + CUEDECK_TEST_RECORDINGS + "/phrases.wav";
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Given a helper killed mid-decode, with the exit code Wine's taskkill gives
// and the one Windows' own gives: the notice names it stopped, and fits.
TEST(MainDialog, AKilledHelperIsToldStoppedInWordsThatFitTheField)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring pid_file =
        std::wstring(temp) + L"cuedeck-helper-" + std::to_wstring(GetCurrentProcessId());
    SetEnvironmentVariableW(L"CUEDECK_STANDIN_PID", pid_file.c_str());
    for (const UINT code : {0U, 1U}) {
        SCOPED_TRACE(code);
        DeleteFileW(pid_file.c_str());
        const auto waveforms = decoded_waveforms({}, CUEDECK_TEST_HELPER_STANDIN);
        Rig rig{waveforms.get()};
        const std::string recording = phrases_wav();
        const std::string folder = recording.substr(0, recording.rfind('\\') + 1);
        rig.system.separator = '\\';
        rig.system.drive_letters = true;
        rig.system.files[folder + "tips.m3u"] = "phrases.wav";
        rig.dialog.controller().open_playlist(folder + "tips.m3u");
        rig.player.model = {1, 1, 0, 200, 5, 50, "1. phrases - fake", ""};
        DWORD pid = 0;
        ASSERT_TRUE(pump_until(rig.window, [&] {
            rig.dialog.controller().refresh();
            std::ifstream(std::filesystem::path(pid_file)) >> pid;
            return pid != 0;
        }));
        HANDLE helper = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        ASSERT_NE(helper, nullptr);
        TerminateProcess(helper, code);
        CloseHandle(helper);
        std::shared_ptr<const Waveform> shown;
        ASSERT_TRUE(pump_until(rig.window, [&] {
            rig.dialog.controller().tick();
            shown = rig.dialog.controller().waveform_now();
            return shown && shown->complete;
        }));
        EXPECT_EQ(shown->trouble, WaveformTrouble::HelperStopped);
        rig.dialog.controller().tick(); // the look that tells it
        char notice[256] = {};
        GetDlgItemTextA(rig.window, IDC_DEVICE_STATE, notice, sizeof notice);
        EXPECT_STREQ(notice, "No waveform: the decoder was stopped");
        // The same notice in every language the program carries.
        for (const LANGID language : {LANG_ENGLISH, LANG_GERMAN, LANG_FRENCH, LANG_SPANISH,
                                      LANG_ITALIAN, LANG_DUTCH, LANG_PORTUGUESE}) {
            const std::string used = use_windows_language(language);
            const std::string shown_notice =
                translated(UI_TEXT("No waveform: %1"), {translated("the decoder was stopped")});
            rig.dialog.controller().show_notice(shown_notice);
            for (const std::string& fault : clipped(rig.window)) {
                if (fault.starts_with(shown_notice))
                    ADD_FAILURE() << used << ": " << fault;
            }
        }
        use_windows_language(LANG_ENGLISH);
    }
    DeleteFileW(pid_file.c_str());
}

// Given a folder where the recording's cache file should be: the waveform is
// made, the folder (with what it holds) moved aside within the cache, and the
// next run reads the cache instead of decoding again.
TEST(Waveforms, AFolderInTheCacheFilesPlaceIsMovedAsideAndTheCacheReadNextTime)
{
    const std::string cache = RecordingRig::temporary_cache();
    const std::string recording = phrases_wav();
    const std::filesystem::path entry =
        wide_from_utf8(cache + waveform::cache_file_name(recording));
    std::filesystem::create_directories(entry);
    std::ofstream(entry / "kept") << "what the folder held";
    const auto complete = [&](Waveforms& waveforms) {
        std::shared_ptr<const Waveform> shown;
        eventually([&] {
            shown = waveforms.waveform(recording, 0);
            return shown && shown->complete;
        });
        return shown;
    };
    const auto made = complete(*decoded_waveforms(cache, CUEDECK_TEST_HELPER));
    ASSERT_TRUE(made);
    ASSERT_EQ(made->trouble, WaveformTrouble::None);
    // No helper now: only the cache can give it.
    const auto cached = complete(*decoded_waveforms(cache, {}));
    ASSERT_TRUE(cached);
    EXPECT_EQ(cached->trouble, WaveformTrouble::None);
    EXPECT_EQ(cached->levels, made->levels);
    std::error_code failed;
    EXPECT_TRUE(std::filesystem::exists(entry.wstring() + L".aside-1\\kept", failed));
    std::filesystem::remove_all(std::filesystem::path(wide_from_utf8(cache)), failed);
}

} // namespace
} // namespace cuedeck::testing
