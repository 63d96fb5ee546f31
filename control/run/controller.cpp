#include "control/run/controller.h"

#include "base/program_texts.h"
#include "base/translation.h"
#include "control/storage/settings_file.h"
#include "system/system.h"

namespace cuedeck {

namespace {

class AbsentView final : public ControllerView
{
public:
    void set_field_text(FieldId, const std::string&) override {}
    void show_alarm_picture(bool) override {}
    void set_title(const std::string&) override {}
    void return_focus() override {}
    bool ask_yes_no(const std::string&, const std::string&) override { return false; }
    std::optional<bool> ask_yes_no_cancel(const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    void show_message(const std::string&) override {}
    void tell(const std::string&) override {}
    bool offer_locate(const std::string&) override { return false; }
    std::optional<std::string> choose_file(const FileChoice&) override { return std::nullopt; }
    std::vector<std::string> choose_recordings(RecordingChoice) override { return {}; }
    void put_on_clipboard(const std::string&) override {}
    std::string clipboard_text() override { return {}; }
    std::optional<std::string> ask_place() override { return std::nullopt; }
    void look_for_player_in(int) override {}
    void start_tick() override {}
    void stop_tick() override {}
    void end_window(WindowEnding) override {}
};

} // namespace

Controller::Controller(ControllerView& view, PlayerBackend& player, System& system)
    : Controller(player, system)
{
    m_view = &view;
}

Controller::Controller(PlayerBackend& player, System& system)
    : m_view(&absent_view()), m_system(system), m_player(player), m_alarm(system),
      m_journal(system), m_draft_choices(system)
{
    m_state.speed_control = m_player.can_change_speed();
    m_state.aids_control = m_player.has_clarity_aids();
    m_state.loop_control = m_player.can_loop();
}

ControllerView& absent_view()
{
    static AbsentView view;
    return view;
}

void Controller::find_exe_directory()
{
    std::string path = m_system.executable_path();
    const auto last = path.rfind(m_system.path_separator());
    if (last != std::string::npos)
        path.resize(last + 1);
    m_state.exe_directory = path;
}

void Controller::connect_player()
{
    if (m_player.closed())
        return;
    if (m_player.find()) {
        m_player_looks_left = 0;
        return;
    }
    if (m_player_looks_left > 0)
        return; // started, and looked for until it answers

    if (!m_player.start()) {
        // Said once a run: keys without a player do nothing until one is found.
        if (!m_told_player_missing)
            m_view->show_message(m_player.problem().empty() ? m_player.missing_message()
                                                            : m_player.problem());
        m_told_player_missing = true;
        return;
    }
    // The player takes a while to listen: it is looked for from the event
    // loop, so that the window answers meanwhile.
    m_player_looks_left = player_start_budget_ms / player_look_interval_ms;
    m_view->look_for_player_in(player_look_interval_ms);
}

void Controller::look_for_player()
{
    if (m_player_looks_left == 0)
        return;
    if (!m_player.closed() && m_player.find()) {
        m_player_looks_left = 0;
        if (has_pending_move())
            retry_pending();
        return;
    }
    if (--m_player_looks_left == 0 || m_player.closed()) {
        // The player was started but never answered: run on without one, and
        // do not leave a stray player behind that we will never talk to.
        m_player_looks_left = 0;
        m_player.abandon_start();
        if (!m_player.closed())
            show_notice(translated(UI_TEXT("%1 was started but did not answer within %2 s: it is "
                                           "looked for again at the next command"),
                                   {player_name(), std::to_string(player_start_budget_ms / 1000)}));
        return;
    }
    m_view->look_for_player_in(player_look_interval_ms);
}

std::string Controller::help_page_path()
{
    // The page in the user's language where there is one (its catalogue
    // names it), else the English one; beside the program first.
    constexpr const char* name = UI_TEXT("cuedeck.html");
    const std::string& folder = m_state.exe_directory;
    const std::string installed = installed_data_folder(folder, m_system.path_separator());
    for (const std::string& page : {translated(name), std::string(name)}) {
        for (const std::string& where : {folder, installed}) {
            if (m_system.is_local_file(where + page))
                return where + page;
        }
    }
    return installed + name;
}

void Controller::reach_player()
{
    if (!m_player.connected())
        connect_player();
}

void Controller::push_place()
{
    m_state.history.push({m_state.current_tip, m_state.zero_mark / 1000});
}

void Controller::show_sound_state()
{
    m_view->set_field_text(
        FieldId::SoundState,
        translated(m_state.settings.sound_on != 0 ? TEXT_SOUND_ON : TEXT_SOUND_OFF));
}

Options Controller::options() const
{
    Options options = m_state.settings;
    options.sound_on = options.sound_on != 0 ? 1 : 0;
    return options;
}

void Controller::apply_options(const Options& options)
{
    const bool subtitles_changed = options.draft_subtitles != m_state.settings.draft_subtitles;
    m_state.settings = options;
    show_sound_state();
    if (subtitles_changed)
        show_draft_subtitles();
    // The tip seconds left are not recomputed: a new tip time shows at the
    // next reset of the tip timer.
}

void Controller::show_device_state(const std::string& text)
{
    m_device_state = text;
    if (m_notice_ticks_left == 0)
        m_view->set_field_text(FieldId::DeviceState, text);
}

void Controller::show_notice(const std::string& text, bool of_silence)
{
    put_notice(text, of_silence);
    m_view->announce(text);
}

void Controller::put_notice(const std::string& text, bool of_silence)
{
    m_notice_ticks_left = notice_ticks;
    m_notice_of_silence = of_silence;
    m_notice_of_draft.clear();
    m_view->set_field_text(FieldId::DeviceState, text);
}

} // namespace cuedeck
