#include "ui/win32/main_dialog.h"
#include "base/text_direction.h"
#include "base/translation.h"
#include "ui/win32/recognizer_dialog_win32.h"
#include "ui/win32/translation_win32.h"
#include "ui/win32/win32_keys.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>
#include <vector>

#include "control/commands/global_keys.h"
#include "front/window_ids.h"
#include "front/window_resources.h"
#include "system/input_devices.h"
#include "ui/win32/options_dialog_win32.h"
#include "ui/win32/position_bar_win32.h"
#include "ui/win32/resource_ids.h"

namespace cuedeck {

namespace {

constexpr UINT_PTR tick_timer_id = 1;
/// A one-shot timer for the next look for a player that was started.
constexpr UINT_PTR player_look_timer_id = 2;
/// Work handed to the message loop's next turn waits for this.
constexpr UINT later_message = WM_APP + 1;

/// The read-outs' large font, made once and shared by the two read-outs for the
/// life of the process.
HFONT large_font(HWND window)
{
    static HFONT font = [window] {
        HDC screen = GetDC(window);
        const int height = -MulDiv(LARGE_FONT_POINTS, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(window, screen);
        return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, LARGE_FONT_FACE);
    }();
    return font;
}

} // namespace

MainDialog::MainDialog(HINSTANCE instance, Session& session)
    : m_instance(instance), m_session(session),
      m_options(std::make_unique<OptionsDialogWin32>(
          instance,
          [this](int method, const std::string& path) { m_session.play_alarm(method, path); }))
{
    // The position bar is a common control (a trackbar).
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    m_session.attach(*this, *this);
}

MainDialog::~MainDialog()
{
    m_session.detach();
    if (!m_modal && m_window != nullptr && IsWindow(m_window))
        DestroyWindow(m_window);
}

INT_PTR MainDialog::run()
{
    m_modal = true;
    return DialogBoxParamA(m_instance, MAKEINTRESOURCEA(IDD_CUEDECK_DIALOG), nullptr, procedure,
                           reinterpret_cast<LPARAM>(this));
}

HWND MainDialog::open_modeless()
{
    m_modal = false;
    return CreateDialogParamA(m_instance, MAKEINTRESOURCEA(IDD_CUEDECK_DIALOG), nullptr, procedure,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK MainDialog::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lparam);
        auto* dialog = reinterpret_cast<MainDialog*>(lparam);
        dialog->m_window = window;
    }
    auto* dialog = reinterpret_cast<MainDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    return dialog != nullptr ? dialog->handle(message, wparam, lparam) : FALSE;
}

INT_PTR MainDialog::handle(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        initialise();
        {
            // From here on, work handed over from any thread is posted: it
            // is answered during the start-up's questions too (refused while
            // one is open), not left waiting until the last is.
            const std::lock_guard<std::mutex> held(m_later_lock);
            m_later_target = m_window;
            for (std::size_t waiting = 0; waiting < m_later.size(); ++waiting)
                PostMessageA(m_window, later_message, 0, 0);
        }
        m_session.start_up();
        register_global_keys();
        return TRUE;
    case WM_HOTKEY:
        m_hot_keys.pressed(wparam);
        return TRUE;
    case later_message: {
        std::function<void()> work;
        {
            const std::lock_guard<std::mutex> held(m_later_lock);
            if (m_later.empty())
                return TRUE;
            work = std::move(m_later.front());
            m_later.pop_front();
        }
        work();
        return TRUE;
    }
    case WM_SYSCOMMAND:
        if ((wparam & 0xFFF0) == IDM_ABOUTBOX) {
            open_about();
            return TRUE;
        }
        return FALSE;
    case WM_PAINT:
        return paint_minimised() ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(m_icon);
    case WM_KEYDOWN:
        // The menu items' Ctrl keys first (Ctrl+C copies the place).
        if ((GetKeyState(VK_CONTROL) & 0x8000) != 0) {
            for (const MenuItem& item : menu_table()) {
                if (item.shortcut != nullptr &&
                    wparam == WPARAM(item.shortcut[std::strlen("Ctrl+")])) {
                    carry_out(item.command);
                    return FALSE;
                }
            }
        }
        // The repeat count and key flags are not looked at: a held key
        // repeats its command, and Ctrl with another letter acts like the letter.
        if (const auto bound =
                command_for_key(key_from_virtual_key(wparam, GetKeyState(VK_SHIFT) < 0),
                                {false, m_session.waveforms() != nullptr}))
            carry_out(*bound);
        return FALSE;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        // F10 arrives as a system key, whose default opens the menu bar; it
        // rewinds instead. Alt combinations keep their default.
        if (wparam != VK_F10)
            return FALSE;
        if (message == WM_SYSKEYDOWN) {
            if (const auto bound = command_for_key(key_from_virtual_key(VK_F10)))
                carry_out(*bound);
        }
        SetWindowLongPtrA(m_window, DWLP_MSGRESULT, 0);
        return TRUE;
    case WM_TIMER:
        if (wparam == player_look_timer_id) {
            KillTimer(m_window, player_look_timer_id);
            m_session.look_for_player();
        } else {
            m_session.tick();
            if (m_ticking && m_tick_period_ms != m_session.tick_period_ms())
                start_tick();
        }
        return FALSE;
    case WM_COMMAND:
        command(LOWORD(wparam), HIWORD(wparam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        // The next cue, dimmer than the one heard.
        if (reinterpret_cast<HWND>(lparam) == GetDlgItem(m_window, IDC_DRAFT_NEXT)) {
            const auto context = reinterpret_cast<HDC>(wparam);
            SetTextColor(context, GetSysColor(COLOR_GRAYTEXT));
            SetBkColor(context, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        return FALSE;
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lparam) == GetDlgItem(m_window, IDC_POSITION_BAR))
            bar_moved(LOWORD(wparam));
        return TRUE;
    case WM_NOTIFY: {
        // The position bar draws itself as ours: the trackbar keeps the rest.
        auto* drawing = reinterpret_cast<NMCUSTOMDRAW*>(lparam);
        if (drawing->hdr.idFrom != IDC_POSITION_BAR || drawing->hdr.code != NM_CUSTOMDRAW)
            return FALSE;
        if (drawing->dwDrawStage == CDDS_PREPAINT) {
            // A drag shows where it would go; otherwise the player's place.
            const int position_ms =
                m_bar_held
                    ? static_cast<int>(SendMessageA(drawing->hdr.hwndFrom, TBM_GETPOS, 0, 0)) * 1000
                    : m_bar.position_ms;
            draw_position_bar(drawing->hdc, drawing->rc, m_bar, position_ms);
        }
        SetWindowLongPtrA(m_window, DWLP_MSGRESULT, CDRF_SKIPDEFAULT);
        return TRUE;
    }
    case WM_CLOSE:
        m_ending = true;
        m_session.shut_down(WindowEnding::DefaultClose);
        m_ending = false;
        return TRUE;
    case WM_DROPFILES:
        drop(reinterpret_cast<HDROP>(wparam));
        return TRUE;
    case WM_GETDLGCODE:
        // The window wants every key, so that Space, the arrows and the rest
        // reach the key table instead of moving the focus or pressing buttons.
        SetWindowLongPtrA(m_window, DWLP_MSGRESULT, DLGC_WANTALLKEYS);
        return TRUE;
    default:
        return FALSE;
    }
}

void MainDialog::initialise()
{
    translate_dialog(m_window);
    SetWindowTextA(m_window, (TEXT_TITLE_BEFORE_PLAYER + m_session.player_name() +
                              translated(TEXT_TITLE_AFTER_PLAYER))
                                 .c_str());
    HMENU system_menu = GetSystemMenu(m_window, FALSE);
    char about[64] = {};
    if (system_menu != nullptr && LoadStringA(m_instance, IDS_ABOUTBOX, about, sizeof about) > 0) {
        AppendMenuA(system_menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(system_menu, MF_STRING, IDM_ABOUTBOX, translated(about).c_str());
    }
    m_icon = LoadIconA(m_instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    SendMessageA(m_window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageA(m_window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    for (const ButtonBinding& button : button_table())
        SetDlgItemTextA(m_window, button_control(button.command), button_caption(button).c_str());
    add_menu();
    m_draft_types = {GetWindowLongA(GetDlgItem(m_window, IDC_DRAFT_LINE), GWL_STYLE) & SS_TYPEMASK,
                     GetWindowLongA(GetDlgItem(m_window, IDC_DRAFT_NEXT), GWL_STYLE) & SS_TYPEMASK};
    for (const int id : {IDC_COUNTER, IDC_TIP_TIMER})
        SendDlgItemMessageA(m_window, id, WM_SETFONT,
                            reinterpret_cast<WPARAM>(large_font(m_window)), TRUE);
}

void MainDialog::add_menu()
{
    HMENU bar = CreateMenu();
    std::vector<std::pair<std::string, HMENU>> menus;
    const auto add_items = [&](std::span<const MenuItem> items, bool after_separator) {
        for (const MenuItem& item : items) {
            auto menu = std::find_if(menus.begin(), menus.end(),
                                     [&](const auto& known) { return known.first == item.menu; });
            if (menu == menus.end())
                menu = menus.insert(menus.end(), {item.menu, CreatePopupMenu()});
            else if (after_separator && &item == &items.front())
                AppendMenuA(menu->second, MF_SEPARATOR, 0, nullptr);
            const std::string text =
                menu_text(item) +
                (item.shortcut != nullptr ? std::string("\t") + item.shortcut : std::string());
            AppendMenuA(menu->second, MF_STRING, static_cast<UINT_PTR>(menu_id(item.command)),
                        text.c_str());
        }
    };
    add_items(menu_table(), false);
    if (m_session.state().speed_control)
        add_items(speed_menu_table(), true);
    if (m_session.state().loop_control)
        add_items(loop_menu_table(), true);
    if (m_session.waveforms() != nullptr)
        add_items(phrase_menu_table(), true);
    for (const auto& [title, menu] : menus)
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu),
                    translated(title.c_str()).c_str());
    // The dialog was sized without a menu bar: grow it by the bar, so that
    // the client area keeps the template's size.
    RECT before;
    GetClientRect(m_window, &before);
    SetMenu(m_window, bar);
    RECT after;
    GetClientRect(m_window, &after);
    RECT window;
    GetWindowRect(m_window, &window);
    SetWindowPos(m_window, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top + (before.bottom - after.bottom),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MainDialog::paint_minimised()
{
    if (!IsIconic(m_window))
        return false;
    PAINTSTRUCT paint;
    HDC context = BeginPaint(m_window, &paint);
    SendMessageA(m_window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(context), 0);
    RECT client;
    GetClientRect(m_window, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(context, x, y, m_icon);
    EndPaint(m_window, &paint);
    return true;
}

void MainDialog::command(WORD id, WORD notification)
{
    // OK and Cancel (Enter or Escape on a button) must not end the window
    // behind shut-down's back: the place and the settings would be lost.
    if (id == IDOK || id == IDCANCEL)
        return;
    const auto command = command_of_id(id);
    // A button is carried out when clicked; a menu item when chosen.
    if (command && (button_control(*command) != id || notification == BN_CLICKED))
        carry_out(*command);
}

void MainDialog::drop(HDROP files)
{
    std::vector<std::string> paths;
    const UINT count = DragQueryFileA(files, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::string path(DragQueryFileA(files, i, nullptr, 0) + 1, '\0');
        path.resize(DragQueryFileA(files, i, path.data(), static_cast<UINT>(path.size())));
        paths.push_back(path);
    }
    DragFinish(files);
    m_session.drop(paths);
}

void MainDialog::open_recognizer_settings()
{
    const Session::Question question(m_session);
    Options values = m_session.options();
    if (edit_recognizer_win32(m_instance, m_window, values,
                              int(m_session.recognizer_choice().kind)))
        m_session.apply_options(values);
}

void MainDialog::open_settings()
{
    const Session::Question question(m_session);
    m_options->set_values(m_session.options());
    m_options->set_global_keys_note(m_hot_keys.note());
    // A choice of the keys is tried as it is made, and its note shown then.
    m_options->set_global_keys_trial([this](int choice) {
        register_global_keys(choice);
        return m_hot_keys.note();
    });
    m_options->set_device_lister([] { return input_devices(); });
    m_options->set_pedal_learner(m_session.pedal_learner());
    if (m_options->run(m_window))
        m_session.apply_options(m_options->values());
    register_global_keys();
}

void MainDialog::register_global_keys(std::optional<int> tried)
{
    m_hot_keys.take(m_window,
                    tried ? global_keys_from(*tried) : m_session.state().settings.global_keys);
}

void MainDialog::later(std::function<void()> work)
{
    const std::lock_guard<std::mutex> held(m_later_lock);
    m_later.push_back(std::move(work));
    if (m_later_target != nullptr)
        PostMessageA(m_later_target, later_message, 0, 0);
}

void MainDialog::come_forward()
{
    ShowWindow(m_window, IsIconic(m_window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(m_window);
}

void MainDialog::open_help()
{
    ShellExecuteA(nullptr, "open", m_session.help_page_path().c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

void MainDialog::set_field_text(FieldId field, const std::string& text)
{
    SetDlgItemTextA(m_window, field_control(field), text.c_str());
}

void MainDialog::show_bar(const BarState& bar)
{
    HWND slider = GetDlgItem(m_window, IDC_POSITION_BAR);
    if (slider == nullptr)
        return;
    if (!(bar == m_bar)) {
        m_bar = bar;
        InvalidateRect(slider, nullptr, FALSE);
    }
    if (m_bar_held)
        return; // a drag is not pulled back by the tick
    SendMessageA(slider, TBM_SETRANGEMAX, FALSE, bar.length_ms / 1000);
    SendMessageA(slider, TBM_SETPAGESIZE, 0, std::max(bar.length_ms / 1000 / 10, 1));
    SendMessageA(slider, TBM_SETPOS, TRUE, bar.position_ms / 1000);
}

void MainDialog::show_draft_line(const cues::Shown& line)
{
    if (line == m_draft_shown)
        return;
    const bool opened = line.drafted != m_draft_shown.drafted;
    m_draft_shown = line;
    HWND heard = GetDlgItem(m_window, IDC_DRAFT_LINE);
    HWND next = GetDlgItem(m_window, IDC_DRAFT_NEXT);
    set_draft_text(heard, line.heard, m_draft_types[0]);
    set_draft_text(next, line.next, m_draft_types[1]);
    if (!opened)
        return;
    RECT room{0, DRAFT_LINE_TOP, 0, DRAFT_LINE_ROOM};
    MapDialogRect(m_window, &room);
    const int moved = line.drafted ? room.bottom : -room.bottom;
    for (HWND child = GetWindow(m_window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT at;
        GetWindowRect(child, &at);
        MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&at), 2);
        if (child == heard || child == next || at.top < room.top)
            continue;
        // Not with its picture: one moved before lay over the place of this
        // one, which took the mixed picture along as its own, and a button
        // showed a piece of another's caption until something repainted it.
        SetWindowPos(child, nullptr, at.left, at.top + moved, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    RECT window;
    GetWindowRect(m_window, &window);
    SetWindowPos(m_window, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top + moved, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(heard, line.drafted ? SW_SHOWNA : SW_HIDE);
    ShowWindow(next, line.drafted ? SW_SHOWNA : SW_HIDE);
}

void MainDialog::set_draft_text(HWND control, const std::string& text, LONG left_type)
{
    // The static control follows neither the text's direction nor the
    // right-to-left extended styles everywhere (Wine's ignores them): its
    // type sets it from the right, the reading order orders its words.
    const bool right_to_left = reads_right_to_left(text);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG type = right_to_left ? SS_RIGHT : left_type;
    const LONG extended = GetWindowLongA(control, GWL_EXSTYLE);
    const LONG reading = right_to_left ? extended | WS_EX_RTLREADING : extended & ~WS_EX_RTLREADING;
    if ((style & SS_TYPEMASK) != type)
        SetWindowLongA(control, GWL_STYLE, (style & ~SS_TYPEMASK) | type);
    if (reading != extended)
        SetWindowLongA(control, GWL_EXSTYLE, reading);
    SetWindowTextA(control, text.c_str());
}

void MainDialog::bar_moved(int code)
{
    HWND slider = GetDlgItem(m_window, IDC_POSITION_BAR);
    switch (code) {
    case TB_THUMBTRACK:
        m_bar_held = true; // moved when let go
        m_bar_by_mouse = true;
        return;
    case TB_PAGEUP:
    case TB_PAGEDOWN:
        if (GetKeyState(VK_LBUTTON) < 0) {
            // A click beside the thumb moves there, not by a page.
            RECT channel{};
            SendMessageA(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
            POINT cursor{};
            GetCursorPos(&cursor);
            ScreenToClient(slider, &cursor);
            const LRESULT most = SendMessageA(slider, TBM_GETRANGEMAX, 0, 0);
            const LONG width = std::max<LONG>(channel.right - channel.left, 1);
            const LONG within = std::clamp<LONG>(cursor.x - channel.left, 0, width);
            SendMessageA(slider, TBM_SETPOS, TRUE, static_cast<LPARAM>(most * within / width));
            m_bar_by_mouse = true;
        }
        m_bar_moved = true;
        return;
    case TB_ENDTRACK:
    case TB_THUMBPOSITION:
        if (!m_bar_moved && !m_bar_held)
            return;
        m_bar_moved = m_bar_held = false;
        m_session.submit(
            {Command::PlaceInTip, static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0)) * 1000});
        // A click took the focus to the bar; the keys go back to the window.
        // One who came by Tab keeps it there.
        if (std::exchange(m_bar_by_mouse, false))
            return_focus();
        return;
    default: // the arrows, Home, End
        m_bar_moved = true;
        return;
    }
}

void MainDialog::show_alarm_picture(bool shown)
{
    ShowWindow(GetDlgItem(m_window, IDC_STOP_PICTURE), shown ? SW_SHOW : SW_HIDE);
}

void MainDialog::set_title(const std::string& title)
{
    SetWindowTextA(m_window, title.c_str());
}

void MainDialog::return_focus()
{
    SetFocus(m_window);
}

void MainDialog::start_tick()
{
    m_ticking = true;
    // The Windows player tells nothing, so the tick never rests here.
    m_tick_period_ms = m_session.tick_period_ms();
    SetTimer(m_window, tick_timer_id,
             UINT(std::max(m_tick_period_ms, Session::following_period_ms)), nullptr);
}

void MainDialog::look_for_player_in(int milliseconds)
{
    SetTimer(m_window, player_look_timer_id, UINT(milliseconds), nullptr);
}

void MainDialog::stop_tick()
{
    m_ticking = false;
    KillTimer(m_window, tick_timer_id);
}

void MainDialog::end_window(WindowEnding ending)
{
    m_ended = true;
    if (m_modal)
        EndDialog(m_window, ending == WindowEnding::AsOk ? IDOK : IDCANCEL);
    else
        DestroyWindow(m_window);
}

} // namespace cuedeck
