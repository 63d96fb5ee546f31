#include "control/session/session.h"

#include "base/translation.h"

namespace cuedeck {

std::string remote_refusal(bool asking, bool ending)
{
    if (ending)
        return "Cuedeck is closing";
    if (asking)
        return "Cuedeck is waiting for an answer in one of its dialogs";
    return {};
}

Session::Session(PlayerBackend& player, System& system, Poster poster)
    : m_controller(player, system), m_poster(std::move(poster))
{
}

void Session::attach(ControllerView& view, SessionWindow& window)
{
    m_controller.set_view(&view);
    m_window = &window;
}

void Session::detach()
{
    m_controller.set_view(nullptr);
    m_window = nullptr;
}

void Session::carry_out_in_window(Command command)
{
    if (m_window == nullptr || held(Request{command}))
        return;
    cuedeck::carry_out(m_controller, *m_window, command);
    if (!m_window->ending())
        changed(moves_position(command));
}

void Session::apply_options(const Options& options)
{
    m_controller.apply_options(options);
    tell_all(m_settings_listeners);
    changed(false);
}

std::string Session::submit(const Request& request)
{
    if (m_window == nullptr)
        return not_started;
    if (std::string refusal = remote_refusal(asking(), m_window->ending()); !refusal.empty())
        return refusal;
    if (held(request))
        return {};
    std::string why = run(request);
    if (!m_window->ending())
        changed(moves_position(request.command));
    return why;
}

std::string Session::run(const Request& request)
{
    const CommandRow& row = command_row(request.command);
    switch (row.argument) {
    case Argument::Number:
        if (const int* number = std::get_if<int>(&request.argument)) {
            run_command_with(m_controller, request.command, *number);
            return {};
        }
        return "the request lacks its number";
    case Argument::PlaceText:
        if (const std::string* text = std::get_if<std::string>(&request.argument)) {
            std::string why = m_controller.go_to_place(*text, false);
            // Shown in the window too: whoever sent it (an editor's macro, a
            // desktop shortcut) may show the user nothing. In its status, not
            // in a box: a box would refuse every later request until answered.
            if (!why.empty())
                m_controller.show_notice(why);
            return why;
        }
        break;
    case Argument::None:
        break;
    }
    const Controller::FromOutside outside(m_controller);
    cuedeck::carry_out(m_controller, *m_window, request.command);
    return {};
}

void Session::tick()
{
    using namespace std::chrono;
    // (A tick at rest comes with the player's word, after no set period.)
    m_ticked_ms += m_tick_period_ms;
    // Due within half a period: a timer of a second that fires a little
    // early still counts each second once.
    const auto now = steady_clock::now();
    if (now - m_second_began >= milliseconds(second_ms - m_tick_period_ms / 2)) {
        m_second_began += milliseconds(second_ms);
        if (now - m_second_began > milliseconds(second_ms))
            m_second_began = now; // far behind (a suspended machine): from now on
        m_controller.tick();
    } else {
        m_controller.follow_player();
    }
    carry_out_held();
    m_tick_period_ms = tick_period_ms();
    changed(false);
}

void Session::look_at_draft()
{
    m_controller.look_at_draft();
    changed(false);
}

int Session::tick_period_ms()
{
    if (m_controller.playing() || !m_held.empty())
        return following_period_ms;
    return m_controller.at_rest() ? 0 : second_ms;
}

bool Session::held(const Request& request, Answer answered)
{
    if (!needs_answering_player(request.command))
        return false;
    if (m_controller.player_answers()) {
        carry_out_held();
        return false;
    }
    // The window says the player does not answer, and then what becomes of this.
    m_controller.follow_player();
    if (m_held.size() >= most_held) {
        m_controller.show_notice(translated(too_many_held, {m_controller.player_name()}));
        if (answered)
            answered(refusal_of_held());
    } else {
        m_held.push_back({request, m_ticked_ms, std::move(answered)});
        m_controller.show_notice(translated(held_notice, {m_controller.player_name()}), true);
    }
    m_tick_period_ms = following_period_ms;
    changed(false); // the front end ticks to look for the player's answer
    return true;
}

void Session::carry_out_held()
{
    if (m_held.empty() || m_window == nullptr || m_window->ending() || asking())
        return;
    const bool stale = m_ticked_ms - m_held.front().at_ms > held_at_most_ms;
    if (stale) {
        std::vector<Answer> refused;
        std::erase_if(m_held, [&](Held& held) {
            if (m_ticked_ms - held.at_ms <= held_at_most_ms)
                return false;
            if (held.answered)
                refused.push_back(std::move(held.answered));
            return true;
        });
        m_controller.show_notice(translated(held_too_long, {m_controller.player_name()}));
        for (const Answer& answer : refused)
            answer(refusal_of_held());
    }
    // A slow player that answers late has its requests carried out: only one
    // that says nothing at all has them refused once they waited too long.
    if (m_held.empty() || !m_controller.player_heard_again())
        return;
    bool moved = false;
    while (!m_held.empty() && !m_window->ending() && !asking()) {
        Held waited = std::move(m_held.front());
        m_held.pop_front();
        moved = moved || moves_position(waited.request.command);
        const std::string why = run(waited.request);
        if (waited.answered)
            waited.answered(why);
    }
    if (!m_window->ending())
        changed(moved);
}

void Session::submit_later(Request request, Answer answered, StillWanted still_wanted)
{
    m_poster([this, request = std::move(request), answered = std::move(answered),
              still_wanted = std::move(still_wanted)]() mutable {
        submit_answered(request, std::move(answered), still_wanted);
    });
}

void Session::submit_answered(const Request& request, Answer answered,
                              const StillWanted& still_wanted)
{
    const auto answer = [&answered](const std::string& refusal) {
        if (answered)
            answered(refusal);
    };
    // A sender that gave up has been told "not carried out": it is not.
    if (still_wanted && !still_wanted())
        return answer("too late");
    if (m_window == nullptr)
        return answer(not_started);
    if (std::string refusal = remote_refusal(asking(), m_window->ending()); !refusal.empty())
        return answer(refusal);
    // One that waits for the player is answered when it is carried out or refused.
    if (held(request, answered))
        return;
    const std::string why = run(request);
    if (!m_window->ending())
        changed(moves_position(request.command));
    answer(why);
}

std::string Session::refusal_of_held() const
{
    // In English, as the sender's other refusals: it goes to a program's log.
    return m_controller.player_name() + " is not answering";
}

void Session::changed(bool moved)
{
    tell_all(m_listeners, moved);
}

void Session::stop_listening(ListenerId id)
{
    const auto drop = [id](auto& listeners) {
        std::erase_if(listeners, [id](const auto& entry) { return entry.first == id; });
    };
    drop(m_listeners);
    drop(m_settings_listeners);
    drop(m_keys_trials);
    drop(m_learn_listeners);
    drop(m_keypad_learn_listeners);
}

void Session::come_forward()
{
    if (m_window != nullptr)
        m_window->come_forward();
}

void Session::show_device_state(const std::string& text)
{
    m_controller.show_device_state(text);
}

void Session::tell(const std::string& text)
{
    // Told from the event loop, never inside the teller (a socket's or a
    // device's reading), and after any question open now: never lost, and
    // never a second box over the first.
    if (m_window == nullptr || m_window->ending())
        return;
    m_waiting.emplace_back([this, text] { m_window->show_told(text); });
    deliver_soon();
}

void Session::open_handed_file(const std::string& file)
{
    if (m_window == nullptr || m_window->ending())
        return;
    m_window->come_forward();
    if (file.empty())
        return;
    m_waiting.emplace_back([this, file] { drop({file}); });
    deliver_soon();
}

void Session::drop(const std::vector<std::string>& files)
{
    m_controller.drop(files);
    changed(false);
}

Session::Question::~Question()
{
    if (--m_session.m_questions == 0 && !m_session.m_waiting.empty())
        m_session.deliver_soon();
}

void Session::deliver_soon()
{
    if (m_delivery_posted)
        return;
    m_delivery_posted = true;
    m_poster([this] {
        m_delivery_posted = false;
        deliver();
    });
}

void Session::deliver()
{
    while (!m_waiting.empty() && !asking() && m_window != nullptr && !m_window->ending()) {
        const auto work = std::move(m_waiting.front());
        m_waiting.pop_front();
        work();
    }
}

void Session::set_global_keys_note(std::string note, GlobalKeysPath path)
{
    m_global_keys_note = std::move(note);
    m_global_keys_path = path;
    if (m_note_listener)
        m_note_listener(m_global_keys_note, m_global_keys_path);
}

void Session::try_global_keys(std::optional<int> choice)
{
    tell_all(m_keys_trials, choice);
}

void Session::learn_pedal(const std::string& device, std::function<void(int code)> pressed)
{
    m_learned = std::move(pressed);
    tell_all(m_learn_listeners, std::optional<std::string>(device));
}

Session::PedalLearner Session::pedal_learner()
{
    return [this](const std::string& device, std::function<void(int code)> pressed) {
        if (pressed)
            learn_pedal(device, std::move(pressed));
        else
            stop_learning_pedal();
    };
}

void Session::stop_learning_pedal()
{
    m_learned = {};
    tell_all(m_learn_listeners, std::optional<std::string>());
}

void Session::pedal_button_learned(int code)
{
    if (m_learned)
        m_learned(code);
}

void Session::learn_keypad(const std::string& device, std::function<void(int code)> pressed)
{
    m_keypad_learned = std::move(pressed);
    tell_all(m_keypad_learn_listeners, std::optional<std::string>(device));
}

void Session::stop_learning_keypad()
{
    m_keypad_learned = {};
    tell_all(m_keypad_learn_listeners, std::optional<std::string>());
}

Session::PedalLearner Session::keypad_learner()
{
    return [this](const std::string& device, std::function<void(int code)> pressed) {
        if (pressed)
            learn_keypad(device, std::move(pressed));
        else
            stop_learning_keypad();
    };
}

void Session::keypad_key_learned(int code)
{
    if (m_keypad_learned)
        m_keypad_learned(code);
}

} // namespace cuedeck
