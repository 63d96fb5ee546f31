#include "ui/win32/options_dialog_win32.h"

#include <commdlg.h>

#include <vector>

#include "ui/win32/resource_ids.h"

namespace cuedeck {

OptionsDialogWin32::OptionsDialogWin32(HINSTANCE instance, PreviewSound preview)
    : m_instance(instance), m_preview(std::move(preview)), m_refusal([](HWND dialog) {
          MessageBoxA(dialog, "Please enter an integer.", "Cuedeck Options", MB_ICONEXCLAMATION);
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

void OptionsDialogWin32::values_to_controls(HWND dialog) const
{
    // Any stored method other than the two shows no choice.
    CheckDlgButton(dialog, IDC_OPT_AMOVIE, m_values.play_using == 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_OPT_PLAYSND, m_values.play_using == 1 ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(dialog, IDC_OPT_SOUND_FILE, m_values.sound_file.c_str());
    CheckDlgButton(dialog, IDC_OPT_SOUND_ON, m_values.sound_on != 0 ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemInt(dialog, IDC_OPT_TIP_TIME, static_cast<UINT>(m_values.tip_time), TRUE);
    SetDlgItemInt(dialog, IDC_OPT_BACK_TIME, static_cast<UINT>(m_values.back_time), TRUE);
}

bool OptionsDialogWin32::controls_to_values(HWND dialog)
{
    m_values.play_using = IsDlgButtonChecked(dialog, IDC_OPT_AMOVIE) == BST_CHECKED    ? 0
                          : IsDlgButtonChecked(dialog, IDC_OPT_PLAYSND) == BST_CHECKED ? 1
                                                                                       : -1;
    const int length = GetWindowTextLengthA(GetDlgItem(dialog, IDC_OPT_SOUND_FILE));
    std::string file(static_cast<std::size_t>(length) + 1, '\0');
    file.resize(static_cast<std::size_t>(
        GetDlgItemTextA(dialog, IDC_OPT_SOUND_FILE, file.data(), length + 1)));
    m_values.sound_file = file;
    m_values.sound_on = IsDlgButtonChecked(dialog, IDC_OPT_SOUND_ON) == BST_CHECKED ? 1 : 0;
    for (const auto& [id, value] : {std::pair{IDC_OPT_TIP_TIME, &m_values.tip_time},
                                    std::pair{IDC_OPT_BACK_TIME, &m_values.back_time}}) {
        BOOL whole = FALSE;
        const int number = static_cast<int>(GetDlgItemInt(dialog, id, &whole, TRUE));
        if (!whole) {
            m_refusal(dialog);
            SetFocus(GetDlgItem(dialog, id));
            SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
            return false;
        }
        *value = number;
    }
    return true;
}

void OptionsDialogWin32::browse(HWND dialog)
{
    const char filter[] = "Wav Files (*.wav)\0*.wav\0\0";
    std::vector<char> path(32768, '\0');
    OPENFILENAMEA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = dialog;
    chooser.lpstrFilter = filter;
    chooser.lpstrFile = path.data();
    chooser.nMaxFile = static_cast<DWORD>(path.size());
    if (!GetOpenFileNameA(&chooser))
        return;
    m_values.sound_file = path.data();
    // Every control is rewritten from the dialog's values, as on opening.
    values_to_controls(dialog);
}

} // namespace cuedeck
