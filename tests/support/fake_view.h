#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "control/run/controller_view.h"

namespace cuedeck::testing {

/// A window that remembers what the controller showed and asked.
class FakeView : public ControllerView
{
public:
    using Chooser = FileChoice;

    std::map<FieldId, std::string> fields;
    std::map<FieldId, int> field_writes;
    std::optional<bool> alarm_picture;
    std::string title;
    int title_writes = 0;
    int focus_returns = 0;
    std::vector<std::string> questions; ///< "caption: text"
    bool answer_yes = true;
    bool answer_cancel = false; ///< Cancel where a question offers it
    std::vector<std::string> messages;
    bool answer_locate = false; ///< what offer_locate answers; its text goes to `messages`
    std::vector<Chooser> choosers;
    std::deque<std::optional<std::string>> chosen_files; ///< answers, in order; cancel when empty
    std::vector<RecordingChoice> recording_choosers;
    std::vector<std::string> chosen_recordings; ///< the answer of the next one
    std::string clipboard;
    std::deque<std::optional<std::string>>
        places_asked;              ///< Go To Place's answers; cancel when empty
    std::vector<int> player_looks; ///< the looks for a started player asked for, in ms
    bool tick_running = false;
    std::optional<WindowEnding> ended;
    std::function<void(const std::string&)> on_event;

    /// Carry out the looks for a started player the controller asks for,
    /// `wait` between them as the window's timer waits (real players need it).
    template <typename Controller, typename Wait>
    void run_player_looks(Controller& controller, Wait wait)
    {
        for (std::size_t done = 0; done < player_looks.size(); ++done) {
            wait(player_looks[done]);
            controller.look_for_player();
        }
    }

    std::string field(FieldId id) const
    {
        const auto found = fields.find(id);
        return found == fields.end() ? std::string() : found->second;
    }
    bool has_field(FieldId id) const { return fields.count(id) != 0; }
    /// Forget what a test's set-up wrote, so that its checks see only the step under test.
    void clear()
    {
        fields.clear();
        field_writes.clear();
        alarm_picture.reset();
        focus_returns = 0;
    }

    void put_on_clipboard(const std::string& text) override { clipboard = text; }
    std::string clipboard_text() override { return clipboard; }
    std::optional<std::string> ask_place() override
    {
        if (places_asked.empty())
            return std::nullopt;
        auto answer = places_asked.front();
        places_asked.pop_front();
        return answer;
    }

    void set_field_text(FieldId field, const std::string& text) override
    {
        fields[field] = text;
        ++field_writes[field];
    }
    void show_alarm_picture(bool shown) override { alarm_picture = shown; }
    void show_bar(const BarState& shown) override { bar = shown; }
    BarState bar; ///< as the last refresh showed it
    void show_draft_line(const cues::Shown& line) override { draft_line = line; }
    cues::Shown draft_line;
    void set_title(const std::string& text) override
    {
        title = text;
        ++title_writes;
    }
    void return_focus() override { ++focus_returns; }
    void announce(const std::string& text) override { announced.push_back(text); }
    std::vector<std::string> announced;
    bool ask_yes_no(const std::string& text, const std::string& caption) override
    {
        questions.push_back(caption + ": " + text);
        event("ask " + text);
        return answer_yes;
    }
    std::optional<bool> ask_yes_no_cancel(const std::string& text,
                                          const std::string& caption) override
    {
        questions.push_back(caption + ": " + text);
        event("ask or cancel " + text);
        return answer_cancel ? std::nullopt : std::optional<bool>(answer_yes);
    }
    void show_message(const std::string& text) override
    {
        messages.push_back(text);
        event("message " + text);
    }
    bool offer_locate(const std::string& text) override
    {
        messages.push_back(text);
        event("locate? " + text);
        return answer_locate;
    }
    std::vector<std::string> choose_recordings(RecordingChoice choice) override
    {
        recording_choosers.push_back(choice);
        return std::exchange(chosen_recordings, {});
    }
    std::optional<std::string> choose_file(const FileChoice& choice) override
    {
        choosers.push_back(choice);
        if (chosen_files.empty())
            return std::nullopt;
        auto answer = chosen_files.front();
        chosen_files.pop_front();
        return answer;
    }
    void look_for_player_in(int milliseconds) override { player_looks.push_back(milliseconds); }
    void start_tick() override
    {
        tick_running = true;
        event("start_tick");
    }
    void stop_tick() override
    {
        tick_running = false;
        event("stop_tick");
    }
    void end_window(WindowEnding ending) override
    {
        ended = ending;
        event("end_window");
    }

private:
    void event(const std::string& text)
    {
        if (on_event)
            on_event(text);
    }
};

} // namespace cuedeck::testing
