#include "ui/win32/options_dialog_win32.h"

#include "base/translation.h"
#include "base/window_resources.h"
#include "control/commands/global_keys.h"
#include "control/dialogs/options_exchange.h"
#include "ui/win32/file_chooser_win32.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/translation_win32.h"

namespace cuedeck {

OptionsDialogWin32::OptionsDialogWin32(HINSTANCE instance, PreviewSound preview)
    : m_instance(instance), m_preview(std::move(preview)), m_refusal([](HWND dialog) {
          MessageBoxA(dialog, translated(options_exchange::refusal).c_str(),
                      translated(TEXT_OPTIONS_CAPTION).c_str(), MB_ICONEXCLAMATION);
      })
{
}

bool OptionsDialogWin32::run(HWND owner)
{
    m_modal = true;
    return DialogBoxParamA(m_instance, MAKEINTRESOURCEA(IDD_OPTIONS), owner, procedure,
                           reinterpret_cast<LPARAM>(this)) == IDOK;
}

HWND OptionsDialogWin32::open_modeless(HWND owner)
{
    m_modal = false;
    m_result = IDCANCEL;
    return CreateDialogParamA(m_instance, MAKEINTRESOURCEA(IDD_OPTIONS), owner, procedure,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK OptionsDialogWin32::procedure(HWND dialog, UINT message, WPARAM wparam,
                                               LPARAM lparam)
{
    if (message == WM_INITDIALOG)
        SetWindowLongPtrA(dialog, DWLP_USER, lparam);
    auto* self = reinterpret_cast<OptionsDialogWin32*>(GetWindowLongPtrA(dialog, DWLP_USER));
    return self != nullptr ? self->handle(dialog, message, wparam) : FALSE;
}

INT_PTR OptionsDialogWin32::handle(HWND dialog, UINT message, WPARAM wparam)
{
    if (message == WM_INITDIALOG) {
        translate_dialog(dialog);
        SetDlgItemTextA(dialog, IDC_OPT_GLOBAL_KEYS_LABEL, translated(global_keys_caption).c_str());
        for (const char* item : global_keys_items)
            SendDlgItemMessageA(dialog, IDC_OPT_GLOBAL_KEYS, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(translated(item).c_str()));
        SetDlgItemTextA(dialog, IDC_OPT_GLOBAL_KEYS_NOTE, m_global_keys_note.c_str());
        values_to_controls(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wparam)) {
    case IDOK:
        if (controls_to_values(dialog))
            end(dialog, IDOK);
        return TRUE;
    case IDCANCEL:
        end(dialog, IDCANCEL);
        return TRUE;
    case IDC_OPT_BROWSE:
        browse(dialog);
        return TRUE;
    case IDC_OPT_GLOBAL_KEYS:
        if (HIWORD(wparam) != CBN_SELCHANGE || !m_keys_trial)
            return FALSE;
        m_global_keys_note = m_keys_trial(
            static_cast<int>(SendDlgItemMessageA(dialog, IDC_OPT_GLOBAL_KEYS, CB_GETCURSEL, 0, 0)));
        SetDlgItemTextA(dialog, IDC_OPT_GLOBAL_KEYS_NOTE, m_global_keys_note.c_str());
        return TRUE;
    case IDC_OPT_PREVIEW:
        // What was read before a refused number stays read.
        controls_to_values(dialog);
        if (m_preview)
            m_preview(m_values.play_using, m_values.sound_file);
        return TRUE;
    default:
        return FALSE;
    }
}

void OptionsDialogWin32::end(HWND dialog, INT_PTR result)
{
    m_result = result;
    if (m_modal)
        EndDialog(dialog, result);
    else
        DestroyWindow(dialog);
}

namespace {

std::string item_text(HWND dialog, int id)
{
    const int length = GetWindowTextLengthA(GetDlgItem(dialog, id));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetDlgItemTextA(dialog, id, text.data(), length + 1)));
    return text;
}

} // namespace

void OptionsDialogWin32::values_to_controls(HWND dialog) const
{
    const auto shown = options_exchange::show(m_values);
    CheckDlgButton(dialog, IDC_OPT_AMOVIE, shown.play_using == 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_OPT_PLAYSND, shown.play_using == 1 ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(dialog, IDC_OPT_SOUND_FILE, shown.sound_file.c_str());
    CheckDlgButton(dialog, IDC_OPT_SOUND_ON, shown.sound_on ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(dialog, IDC_OPT_TIP_TIME, shown.tip_time.c_str());
    SetDlgItemTextA(dialog, IDC_OPT_BACK_TIME, shown.back_time.c_str());
    SendDlgItemMessageA(dialog, IDC_OPT_GLOBAL_KEYS, CB_SETCURSEL, WPARAM(shown.global_keys), 0);
}

bool OptionsDialogWin32::controls_to_values(HWND dialog)
{
    const int play_using = IsDlgButtonChecked(dialog, IDC_OPT_AMOVIE) == BST_CHECKED    ? 0
                           : IsDlgButtonChecked(dialog, IDC_OPT_PLAYSND) == BST_CHECKED ? 1
                                                                                        : -1;
    const options_exchange::Controls controls{
        .play_using = play_using,
        .sound_file = item_text(dialog, IDC_OPT_SOUND_FILE),
        .sound_on = IsDlgButtonChecked(dialog, IDC_OPT_SOUND_ON) == BST_CHECKED,
        .tip_time = item_text(dialog, IDC_OPT_TIP_TIME),
        .back_time = item_text(dialog, IDC_OPT_BACK_TIME),
        .global_keys = int(SendDlgItemMessageA(dialog, IDC_OPT_GLOBAL_KEYS, CB_GETCURSEL, 0, 0)),
        // No foot pedal on Windows: kept as it was.
        .pedal_device = m_values.pedal_device,
        .pedal_buttons = m_values.pedal_buttons,
        .pedal_toggles = m_values.pedal_mode == PedalMode::Toggle,
        // No waveform on Windows, so no phrases: kept as it was.
        .phrase_step_back = m_values.phrase_step_back != 0,
    };
    const auto refused = options_exchange::read(controls, m_values);
    if (!refused)
        return true;
    const int id =
        *refused == options_exchange::NumberField::TipTime ? IDC_OPT_TIP_TIME : IDC_OPT_BACK_TIME;
    m_refusal(dialog);
    SetFocus(GetDlgItem(dialog, id));
    SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
    return false;
}

void OptionsDialogWin32::browse(HWND dialog)
{
    const auto path =
        choose_file_win32(dialog, {FileDialogMode::Open, options_exchange::sound_filter});
    if (!path)
        return;
    m_values.sound_file = *path;
    // Every control is rewritten from the dialog's values, as on opening.
    values_to_controls(dialog);
}

} // namespace cuedeck
