// Cuedeck for Windows: a tape group remote for Winamp.
#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/text_lines.h"
#include "base/translation.h"
#include "base/ui_text.h"
#include "base/wide_text.h"
#include "control/commands/program_options.h"
#include "control/session/session.h"
#include "desktop/win32/foot_pedal_win32.h"
#include "desktop/win32/keypad_win32.h"
#include "desktop/win32/one_copy_win32.h"
#include "front/window_resources.h"
#include "player/winamp/winamp_backend.h"
#include "system/recognitions.h"
#include "system/waveforms.h"
#include "system/windows_system.h"
#include "ui/win32/main_dialog.h"
#include "ui/win32/translation_win32.h"

namespace {

/// The program's arguments as Windows parsed its command line, in UTF-8.
std::vector<std::string> arguments()
{
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 0; words != nullptr && i < count; ++i)
        result.push_back(cuedeck::utf8_from_wide(words[i]));
    LocalFree(words);
    return result;
}

/// Write a line to the standard output or error the program was given (a
/// redirection, a pipe of the caller's), else to the console it was started
/// from. A program of the window subsystem has neither by itself.
void say(DWORD which, const std::string& line)
{
    HANDLE out = GetStdHandle(which);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
            return;
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                          nullptr);
        if (out == INVALID_HANDLE_VALUE)
            return;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        const std::wstring wide = cuedeck::wide_from_utf8(line);
        WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
}

void say_error(const std::string& text)
{
    say(STD_ERROR_HANDLE, "cuedeck: " + text + "\n");
}

/// The file named on the command line, absolute, for a running copy; its
/// words joined by blanks, as the program reads its own command line.
std::string handed_file(const std::vector<std::string>& words)
{
    const std::string file = cuedeck::joined_words(words, 1);
    if (file.empty())
        return file;
    const std::wstring wide = cuedeck::wide_from_utf8(file);
    const DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (length == 0)
        return file;
    std::wstring full(length, L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), length, full.data(), nullptr));
    return cuedeck::utf8_from_wide(full);
}

/// A later start whose file the running copy did not take says so: in a
/// message box (it was most likely started from the desktop) and on the
/// standard error.
void tell_not_handed_over(const std::string& file, const std::string& reason)
{
    const std::string text =
        file.empty()
            ? cuedeck::translated(UI_TEXT("The running Cuedeck did not come forward: %1"), {reason})
            : cuedeck::translated(UI_TEXT("%1 was not handed to the running Cuedeck: %2"),
                                  {file, reason});
    say_error(text);
    const std::wstring wide = cuedeck::wide_from_utf8(text);
    const std::wstring caption = cuedeck::wide_from_utf8(TEXT_PROGRAM_NAME);
    MessageBoxW(nullptr, wide.c_str(), caption.c_str(), MB_ICONEXCLAMATION);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const std::vector<std::string> words = arguments();
    const cuedeck::ProgramRequest request = cuedeck::program_request(words);
    const auto send = [](const cuedeck::RequestLine& line, std::string& reason) {
        return cuedeck::OneCopyWin32::send_request(cuedeck::OneCopyWin32::own_meeting_name(), line,
                                                   reason);
    };
    const cuedeck::ProgramOutput output{
        [](const std::string& text) { say(STD_OUTPUT_HANDLE, text); }, say_error};
    if (const auto status = cuedeck::answer_without_window(request, send, output))
        return *status;

    // The user's interface language, for every text from here on.
    cuedeck::use_windows_language();
    // One copy per user session: a second start hands its file to the running one.
    cuedeck::OneCopyWin32 one_copy;
    const std::string file = handed_file(words);
    std::string reason;
    switch (one_copy.claim(file, reason)) {
    case cuedeck::OneCopyWin32::Role::HandedOver:
        return 0;
    case cuedeck::OneCopyWin32::Role::NotHandedOver:
        tell_not_handed_over(file, reason);
        return 1;
    case cuedeck::OneCopyWin32::Role::First:
    case cuedeck::OneCopyWin32::Role::Alone:
        break;
    }

    cuedeck::WindowsSystem system;
    cuedeck::WinampBackend player;
    // The tips' waveforms, decoded by Windows in the helper beside the
    // program, and cached.
    const auto waveforms =
        cuedeck::decoded_waveforms(cuedeck::waveform_cache_folder(), cuedeck::helper_program());
    // The run; work from outside the window waits for the window's message
    // loop, which takes it from any thread.
    cuedeck::MainDialog* shown = nullptr;
    cuedeck::Session session(player, system, [&shown](std::function<void()> work) {
        if (shown != nullptr)
            shown->later(std::move(work));
    });
    session.controller().use_waveforms(waveforms.get());
    // Make Draft's recognizers: whisper-cli.exe or the user's command.
    const auto recognizers = cuedeck::windows_recognizers();
    session.controller().use_recognizers(recognizers.get());
    cuedeck::MainDialog window(instance, session);
    shown = &window;
    const auto post = [&window](std::function<void()> work) { window.later(std::move(work)); };
    one_copy.serve(session, post,
                   [&window](const std::string& handed) { window.open_handed_file(handed); });
    // A foot pedal read straight from its device, when the settings name
    // one: taken up once the window has read them, at its first turn.
    std::optional<cuedeck::FootPedalWin32> pedal;
    window.later([&pedal, &session, &post] { pedal.emplace(session, post); });
    // A keypad beside it or instead, the same way.
    std::optional<cuedeck::KeypadWin32> keypad;
    window.later([&keypad, &session, &post] { keypad.emplace(session, post); });
    window.run();
    keypad.reset();
    pedal.reset();
    // Nothing from another copy reaches the window once it has gone.
    one_copy.stop();
    // The process lives exactly as long as the window.
    return 0;
}
