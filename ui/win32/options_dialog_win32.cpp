#include "ui/win32/options_dialog_win32.h"

#include "base/translation.h"
#include "control/commands/global_keys.h"
#include "control/dialogs/options_exchange.h"
#include "front/window_resources.h"
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
        SetDlgItemTextA(dialog, IDC_OPT_PHRASE_STEP_BACK,
                        translated(options_exchange::phrase_step_back_label).c_str());
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
        SetDlgItemTextA(dialog, IDC_OPT_PHRASE_STEP_BACK,
                        translated(options_exchange::phrase_step_back_label).c_str());
        return TRUE;
    case IDC_OPT_PEDAL_LEARN:
        learn_pedal(dialog);
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

void OptionsDialogWin32::values_to_controls(HWND dialog)
{
    const auto shown = options_exchange::show(m_values);
    CheckDlgButton(dialog, IDC_OPT_AMOVIE, shown.play_using == 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_OPT_PLAYSND, shown.play_using == 1 ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(dialog, IDC_OPT_SOUND_FILE, shown.sound_file.c_str());
    CheckDlgButton(dialog, IDC_OPT_SOUND_ON, shown.sound_on ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(dialog, IDC_OPT_TIP_TIME, shown.tip_time.c_str());
    SetDlgItemTextA(dialog, IDC_OPT_BACK_TIME, shown.back_time.c_str());
    SendDlgItemMessageA(dialog, IDC_OPT_GLOBAL_KEYS, CB_SETCURSEL, WPARAM(shown.global_keys), 0);
    SendDlgItemMessageA(dialog, IDC_OPT_PEDAL_DEVICE, CB_RESETCONTENT, 0, 0);
    std::size_t chosen = 0;
    m_pedal_choices = options_exchange::pedal_choices(m_device_lister ? m_device_lister()
                                                                      : std::vector<InputDevice>{},
                                                      shown.pedal_device, chosen);
    for (const auto& choice : m_pedal_choices) {
        const std::string label =
            choice.path.empty() ? translated(choice.label.c_str()) : choice.label;
        SendDlgItemMessageA(dialog, IDC_OPT_PEDAL_DEVICE, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(label.c_str()));
    }
    SendDlgItemMessageA(dialog, IDC_OPT_PEDAL_DEVICE, CB_SETCURSEL, WPARAM(chosen), 0);
    m_learned = shown.pedal_buttons;
    show_pedal_buttons(dialog);
    CheckDlgButton(dialog, IDC_OPT_PEDAL_TOGGLES,
                   shown.pedal_toggles ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_OPT_PEDAL_CUES, shown.pedal_cues ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_OPT_PHRASE_STEP_BACK,
                   shown.phrase_step_back ? BST_CHECKED : BST_UNCHECKED);
}

void OptionsDialogWin32::show_pedal_buttons(HWND dialog) const
{
    const std::string text =
        m_learned ? translated(options_exchange::pedal_buttons_learned,
                               {std::to_string((*m_learned)[0]), std::to_string((*m_learned)[1]),
                                std::to_string((*m_learned)[2])})
                  : translated(options_exchange::pedal_buttons_not_learned);
    SetDlgItemTextA(dialog, IDC_OPT_PEDAL_BUTTONS, text.c_str());
}

std::string OptionsDialogWin32::chosen_device(HWND dialog) const
{
    const LRESULT index = SendDlgItemMessageA(dialog, IDC_OPT_PEDAL_DEVICE, CB_GETCURSEL, 0, 0);
    if (index >= 0 && std::size_t(index) < m_pedal_choices.size())
        return m_pedal_choices[std::size_t(index)].path;
    // Typed: a path the list does not show.
    std::string typed = item_text(dialog, IDC_OPT_PEDAL_DEVICE);
    const auto first = typed.find_first_not_of(" \t");
    const auto last = typed.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : typed.substr(first, last - first + 1);
}

namespace {

/// Learn's prompt: which pedal to press next, until all three are known.
struct Learning
{
    std::vector<int> codes;
    HWND window = nullptr;
};

INT_PTR CALLBACK learning_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lparam);
        reinterpret_cast<Learning*>(lparam)->window = dialog;
        translate_dialog(dialog);
        SetDlgItemTextA(dialog, IDC_PEDAL_PROMPT,
                        translated(options_exchange::pedal_prompts[0]).c_str());
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

} // namespace

void OptionsDialogWin32::learn_pedal(HWND dialog)
{
    const std::string device = chosen_device(dialog);
    if (device.empty()) {
        MessageBoxA(dialog, translated(options_exchange::pedal_device_first).c_str(),
                    translated(TEXT_OPTIONS_CAPTION).c_str(), MB_ICONINFORMATION);
        return;
    }
    if (!m_pedal_learner)
        return;
    Learning learning;
    const auto& prompts = options_exchange::pedal_prompts;
    // The presses arrive through the main window's message loop, which the
    // prompt's own loop keeps running.
    m_pedal_learner(device, [&learning, &prompts](int code) {
        if (learning.window == nullptr ||
            !options_exchange::learn_pedal_button(learning.codes, code))
            return;
        if (learning.codes.size() == std::size(prompts))
            EndDialog(learning.window, IDOK);
        else
            SetDlgItemTextA(learning.window, IDC_PEDAL_PROMPT,
                            translated(prompts[learning.codes.size()]).c_str());
    });
    const bool learned =
        DialogBoxParamA(m_instance, MAKEINTRESOURCEA(IDD_PEDAL_LEARN), dialog, learning_procedure,
                        reinterpret_cast<LPARAM>(&learning)) == IDOK;
    m_pedal_learner({}, {});
    if (learned)
        m_learned = PedalButtons{learning.codes[0], learning.codes[1], learning.codes[2]};
    show_pedal_buttons(dialog);
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
        .pedal_device = chosen_device(dialog),
        .pedal_buttons = m_learned,
        .pedal_toggles = IsDlgButtonChecked(dialog, IDC_OPT_PEDAL_TOGGLES) == BST_CHECKED,
        .pedal_cues = IsDlgButtonChecked(dialog, IDC_OPT_PEDAL_CUES) == BST_CHECKED,
        .phrase_step_back = IsDlgButtonChecked(dialog, IDC_OPT_PHRASE_STEP_BACK) == BST_CHECKED,
        .draft_subtitles = m_values.draft_subtitles != 0,
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
