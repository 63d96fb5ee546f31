// The window's questions, messages and choosers, each open under a
// Session::Question, and the clipboard.
#include "ui/win32/main_dialog.h"

#include <cstring>
#include <cwchar>

#include "base/translation.h"
#include "base/wide_text.h"
#include "front/window_resources.h"
#include "ui/win32/file_chooser_win32.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/translation_win32.h"

namespace cuedeck {

namespace {

/// The program's name for message boxes, as people write it (its file is
/// cuedeck.exe).
std::string program_name()
{
    return TEXT_PROGRAM_NAME;
}

INT_PTR CALLBACK about_procedure(HWND window, UINT message, WPARAM wparam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        translate_dialog(window);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
        EndDialog(window, LOWORD(wparam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

void MainDialog::put_on_clipboard(const std::string& text)
{
    // Unicode text: the system makes the other forms of it for those who ask.
    // Lines end as Windows programs expect them to.
    std::string lines;
    for (const char c : text) {
        if (c == '\n' && (lines.empty() || lines.back() != '\r'))
            lines += '\r';
        lines += c;
    }
    const std::wstring wide = wide_from_utf8(lines);
    if (!OpenClipboard(m_window))
        return;
    EmptyClipboard();
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
            GlobalFree(memory);
    }
    CloseClipboard();
}

std::string MainDialog::clipboard_text()
{
    std::wstring wide;
    if (!OpenClipboard(m_window))
        return {};
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            wide.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    std::string text;
    for (const char c : utf8_from_wide(wide)) {
        if (c == '\n' && !text.empty() && text.back() == '\r')
            text.back() = '\n';
        else
            text += c;
    }
    return text;
}

namespace {

INT_PTR CALLBACK go_to_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lparam);
        translate_dialog(dialog);
        SetDlgItemTextA(dialog, IDC_GO_TO_PROMPT, translated(place_prompt).c_str());
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
        if (LOWORD(wparam) == IDOK) {
            auto* text = reinterpret_cast<std::string*>(GetWindowLongPtrA(dialog, DWLP_USER));
            char typed[512] = {};
            GetDlgItemTextA(dialog, IDC_GO_TO_TEXT, typed, sizeof typed);
            *text = typed;
        }
        EndDialog(dialog, LOWORD(wparam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

std::optional<std::string> MainDialog::ask_place()
{
    const Session::Question question(m_session);
    std::string text;
    if (DialogBoxParamA(m_instance, MAKEINTRESOURCEA(IDD_GO_TO), m_window, go_to_procedure,
                        reinterpret_cast<LPARAM>(&text)) != IDOK)
        return std::nullopt;
    return text;
}

void MainDialog::open_about()
{
    const Session::Question question(m_session);
    DialogBoxParamA(m_instance, MAKEINTRESOURCEA(IDD_ABOUTBOX), m_window, about_procedure, 0);
}

bool MainDialog::ask_yes_no(const std::string& text, const std::string& caption)
{
    const Session::Question question(m_session);
    return MessageBoxA(m_window, text.c_str(), caption.c_str(), MB_YESNO | MB_ICONEXCLAMATION) ==
           IDYES;
}

std::optional<bool> MainDialog::ask_yes_no_cancel(const std::string& text,
                                                  const std::string& caption)
{
    const Session::Question question(m_session);
    const int answer =
        MessageBoxA(m_window, text.c_str(), caption.c_str(), MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (answer == IDCANCEL)
        return std::nullopt;
    return answer == IDYES;
}

void MainDialog::show_message(const std::string& text)
{
    const Session::Question question(m_session);
    MessageBoxA(m_window, text.c_str(), program_name().c_str(), MB_OK);
}

bool MainDialog::offer_locate(const std::string& text)
{
    const Session::Question question(m_session);
    // The system's message box names no buttons of its own: OK locates.
    const std::string offer = text + "\n\n" + translated(UI_TEXT("Choose OK to locate it."));
    return MessageBoxA(m_window, offer.c_str(), program_name().c_str(),
                       MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

std::optional<std::string> MainDialog::choose_file(const FileChoice& choice)
{
    const Session::Question question(m_session);
    return choose_file_win32(m_window, choice);
}

std::vector<std::string> MainDialog::choose_recordings(RecordingChoice choice)
{
    const Session::Question question(m_session);
    return choose_recordings_win32(m_window, choice);
}

} // namespace cuedeck
