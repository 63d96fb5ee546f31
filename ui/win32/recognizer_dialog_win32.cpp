// Options, Recognizer on Windows: none, whisper-cli or a command of the
// user's (Windows has no PocketSphinx package and no decoder for a server).
#include "ui/win32/recognizer_dialog_win32.h"

#include <array>
#include <string>

#include "base/translation.h"
#include "control/dialogs/options_exchange.h"
#include "files/recognizer.h"
#include "front/window_resources.h"
#include "ui/win32/file_chooser_win32.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/translation_win32.h"

namespace cuedeck {
namespace {

/// The list's items and the recognizers they choose.
constexpr std::array<std::pair<const char*, RecognizerKind>, 3> kinds = {{
    {options_exchange::no_pedal, RecognizerKind::None}, // "None"
    {TEXT_REC_WHISPER, RecognizerKind::WhisperCli},
    {TEXT_REC_OWN_COMMAND, RecognizerKind::Command},
}};

struct Editing
{
    Options* values;
    int effective;
};

std::string item_text(HWND dialog, int id)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(GetDlgItem(dialog, id))) + 1,
                     '\0');
    text.resize(static_cast<std::size_t>(
        GetDlgItemTextA(dialog, id, text.data(), static_cast<int>(text.size()))));
    return text;
}

void show_rows(HWND dialog)
{
    const auto chosen =
        static_cast<std::size_t>(SendDlgItemMessageA(dialog, IDC_REC_KIND, CB_GETCURSEL, 0, 0));
    const RecognizerKind kind = chosen < kinds.size() ? kinds[chosen].second : RecognizerKind::None;
    for (const int id : {IDC_REC_MODEL, IDC_REC_BROWSE})
        EnableWindow(GetDlgItem(dialog, id), kind == RecognizerKind::WhisperCli);
    EnableWindow(GetDlgItem(dialog, IDC_REC_LANGUAGE), kind != RecognizerKind::None);
    EnableWindow(GetDlgItem(dialog, IDC_REC_COMMAND), kind == RecognizerKind::Command);
}

INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lparam);
        const auto& editing = *reinterpret_cast<Editing*>(lparam);
        translate_dialog(dialog);
        int chosen = 0;
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            SendDlgItemMessageA(dialog, IDC_REC_KIND, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(translated(kinds[i].first).c_str()));
            if (int(kinds[i].second) == editing.effective)
                chosen = static_cast<int>(i);
        }
        SendDlgItemMessageA(dialog, IDC_REC_KIND, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
        SetDlgItemTextA(dialog, IDC_REC_MODEL, editing.values->recognizer_model.c_str());
        SetDlgItemTextA(dialog, IDC_REC_LANGUAGE, editing.values->recognizer_language.c_str());
        SetDlgItemTextA(dialog, IDC_REC_COMMAND, editing.values->recognizer_command.c_str());
        // Windows' own rules: the command is split as its programs read
        // their command line, and a batch file runs through cmd.exe. The
        // example stands on a line of its own, so that its path is never
        // broken.
        const std::string example = std::string("\"C:\\Program Files\\Rec\\rec.exe\" -f ") +
                                    std::string(recognizer::audio_placeholder) + " -o " +
                                    std::string(recognizer::output_placeholder);
        SetDlgItemTextA(
            dialog, IDC_REC_PLACEHOLDERS,
            (example + "\n" +
             translated(UI_TEXT("Run without a shell; a backslash belongs to its path. It may "
                                "also name %1, %2 and %3. A .bat or .cmd file is given them "
                                "quoted for cmd.exe, and not run when they hold % or \"."),
                        {recognizer::language_placeholder, recognizer::start_placeholder,
                         recognizer::length_placeholder}))
                .c_str());
        show_rows(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    auto& editing = *reinterpret_cast<Editing*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (LOWORD(wparam)) {
    case IDC_REC_KIND:
        if (HIWORD(wparam) == CBN_SELCHANGE)
            show_rows(dialog);
        return TRUE;
    case IDC_REC_BROWSE:
        if (const auto chosen = choose_file_win32(dialog, FileChoice{}))
            SetDlgItemTextA(dialog, IDC_REC_MODEL, chosen->c_str());
        return TRUE;
    case IDOK: {
        const auto chosen =
            static_cast<std::size_t>(SendDlgItemMessageA(dialog, IDC_REC_KIND, CB_GETCURSEL, 0, 0));
        const int kind = int(chosen < kinds.size() ? kinds[chosen].second : RecognizerKind::None);
        if (editing.values->recognizer >= 0 || kind != editing.effective)
            editing.values->recognizer = kind;
        editing.values->recognizer_model = item_text(dialog, IDC_REC_MODEL);
        editing.values->recognizer_language = item_text(dialog, IDC_REC_LANGUAGE);
        editing.values->recognizer_command = item_text(dialog, IDC_REC_COMMAND);
        EndDialog(dialog, IDOK);
        return TRUE;
    }
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

bool edit_recognizer_win32(HINSTANCE instance, HWND owner, Options& values, int effective)
{
    Editing editing{&values, effective};
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_RECOGNIZER), owner, procedure,
                           reinterpret_cast<LPARAM>(&editing)) == IDOK;
}

} // namespace cuedeck
