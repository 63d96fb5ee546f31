// Drafts made by the user's recognizer: one at a time, in processes of its
// own, written beside the recording as "<name>.srt" and shown at once.
#include <algorithm>

#include "base/text_lines.h"
#include "base/translation.h"
#include "base/ui_text.h"
#include "control/run/controller.h"
#include "control/run/playable.h"

namespace cuedeck {
namespace {

/// The servers the user allowed recordings to be sent to, one a line, in
/// the state folder.
constexpr const char* allowed_servers_file = "servers";

/// The draft made of a recording: beside it, as SubRip.
std::string made_draft_path(const std::string& recording, char separator)
{
    return recording.substr(0, recording.size() - file_extension(recording, separator).size()) +
           ".srt";
}

std::string cause_of(helper::Trouble trouble, const std::string& refused)
{
    switch (trouble) {
    case helper::Trouble::Unreadable:
    case helper::Trouble::TooLong:
        return translated(UI_TEXT("the recording cannot be decoded"));
    case helper::Trouble::Unwritable:
        return translated(UI_TEXT("its audio could not be written"));
    case helper::Trouble::NotInstalled:
        return translated(UI_TEXT("the recognizer is not installed"));
    case helper::Trouble::ModelMissing:
        return translated(UI_TEXT("the recognizer's model is missing"));
    case helper::Trouble::Failed:
        return translated(UI_TEXT("the recognizer ended with an error"));
    case helper::Trouble::Refused:
        return translated(UI_TEXT("the server refused it"));
    case helper::Trouble::NoAnswer:
        return translated(UI_TEXT("the server did not answer"));
    case helper::Trouble::TooMuch:
        return translated(UI_TEXT("the recognizer wrote more than any draft holds"));
    case helper::Trouble::KeyMissing:
        return translated(UI_TEXT("the access key's file cannot be read"));
    case helper::Trouble::KeyExposed:
        return translated(
            UI_TEXT("the access key's file can be read by others: make it yours alone"));
    case helper::Trouble::NoServer:
        return translated(UI_TEXT("the server's address is not an http or https one"));
    case helper::Trouble::UnsafeForBatch:
        return translated(UI_TEXT("the recognizer is a batch file, and cmd.exe would misread "
                                  "the character %1 in its arguments: rename the recording, or "
                                  "run a program (.exe) instead"),
                          {refused});
    }
    return {};
}

/// `made` (of the stretch from its start) in place of what `before` holds
/// of that stretch.
Draft merged(const Draft& before, Draft made, int from_ms, int to_ms, bool times_of_recording)
{
    Draft out;
    for (const Cue& cue : before.cues) {
        if (cue.end_ms <= from_ms || cue.start_ms >= to_ms)
            out.cues.push_back(cue);
    }
    const int shift = times_of_recording ? 0 : from_ms;
    for (Cue& cue : made.cues) {
        cue.start_ms += shift;
        cue.end_ms = std::min(cue.end_ms + shift, to_ms);
        if (cue.start_ms < to_ms && cue.end_ms > from_ms)
            out.cues.push_back(std::move(cue));
    }
    std::stable_sort(out.cues.begin(), out.cues.end(),
                     [](const Cue& a, const Cue& b) { return a.start_ms < b.start_ms; });
    return out;
}

} // namespace

RecognizerChoice Controller::recognizer_choice() const
{
    const Settings& settings = m_state.settings;
    RecognizerChoice choice;
    choice.kind = RecognizerKind(settings.recognizer);
    choice.model = settings.recognizer_model;
    choice.language = settings.recognizer_language;
    choice.command = settings.recognizer_command;
    choice.server = settings.recognizer_server;
    choice.key_file = settings.recognizer_key_file;
    if (settings.recognizer < 0)
        choice.kind =
            m_recognizers != nullptr && m_recognizers->installed(RecognizerKind::PocketSphinx)
                ? RecognizerKind::PocketSphinx
                : RecognizerKind::None;
    return choice;
}

bool Controller::server_allowed(const std::string& address)
{
    const auto origin = recognizer::server_origin(address);
    if (!origin || origin->on_this_machine())
        return true; // a bad address is told by the recognition
    // Asked once per server, and remembered in the state folder.
    const std::string folder = m_system.state_directory();
    const std::string list = folder.empty() ? std::string() : folder + allowed_servers_file;
    const std::string allowed =
        list.empty() ? std::string() : m_system.read_file(list).value_or(std::string());
    for (const std::string& line : split_lines(allowed)) {
        if (line == origin->text())
            return true;
    }
    if (m_from_outside) {
        show_notice(translated(UI_TEXT("Make Draft from the File menu once to allow sending "
                                       "recordings to %1"),
                               {origin->text()}));
        return false;
    }
    std::string question = translated(
        UI_TEXT("Make Draft sends the recording to %1, which is not this computer. Recordings "
                "of interviews are often confidential. Send recordings to this server?"),
        {origin->text()});
    if (!origin->encrypted())
        question += "\n\n" + translated(UI_TEXT("The address begins with http: the recording "
                                                "travels unencrypted, and others on the way "
                                                "can listen to it."));
    if (!m_view->ask_yes_no(question, translated(UI_TEXT("Make Draft"))))
        return false;
    if (!list.empty() && m_system.make_directories(folder))
        m_system.replace_file(list, allowed + origin->text() + "\n");
    return true;
}

void Controller::make_draft()
{
    start_making_draft(std::nullopt);
}

void Controller::make_draft_of_loop()
{
    if (!m_state.loop || !m_state.loop->end_ms || m_state.loop->tip != m_state.current_tip) {
        show_notice(
            translated(UI_TEXT("Set a loop first: Make Draft of the Loop drafts its stretch")));
        return;
    }
    start_making_draft(m_state.loop);
}

void Controller::stop_making_draft()
{
    if (!m_making_draft)
        return;
    m_making_draft.reset(); // its processes are ended, its files removed
    show_notice(translated(UI_TEXT("The draft is not made: stopped")));
}

void Controller::start_making_draft(std::optional<Loop> stretch)
{
    reach_player();
    show_status(m_player.status());
    if (m_making_draft) {
        show_notice(translated(UI_TEXT("A draft is being made: stop it first")));
        return;
    }
    const std::string recording = recording_now();
    if (recording.empty()) {
        show_notice(translated(UI_TEXT("Open a recording first: a draft belongs to one")));
        return;
    }
    const RecognizerChoice choice = recognizer_choice();
    if (m_recognizers == nullptr || choice.kind == RecognizerKind::None) {
        show_notice(translated(UI_TEXT("Choose a recognizer in the settings first")));
        return;
    }
    if (choice.kind == RecognizerKind::Server && !server_allowed(choice.server))
        return;
    // A draft the user may have corrected is replaced only when they say so;
    // a stretch's cues are merged into it.
    const std::string target = made_draft_path(recording, m_system.path_separator());
    if (!stretch && m_system.file_stamp(target) && m_from_outside) {
        show_notice(translated(UI_TEXT("The draft %1 is there already: Make Draft from the File "
                                       "menu replaces it"),
                               {recording_name(target)}));
        return;
    }
    if (!stretch && m_system.file_stamp(target) &&
        !m_view->ask_yes_no(
            translated(UI_TEXT("Replace the draft %1? Corrections made in it are lost."),
                       {recording_name(target)}),
            translated(UI_TEXT("Make Draft"))))
        return;
    RecognitionRequest request{recording, choice, 0, 0};
    if (stretch) {
        request.from_ms = stretch->start_ms;
        request.length_ms = std::max(*stretch->end_ms - stretch->start_ms, 1);
    }
    m_making_draft = MakingDraft{m_recognizers->start(request), recording, stretch, {}};
    show_notice(translated(UI_TEXT("Making the draft...")));
}

void Controller::follow_making_draft()
{
    if (!m_making_draft)
        return;
    const RecognitionState now = m_making_draft->recognition->state();
    if (!now.finished) {
        std::string told;
        if (now.percent >= 0)
            told = translated(UI_TEXT("Making the draft: %1%"), {std::to_string(now.percent)});
        else if (now.heard_ms >= 0)
            told = translated(UI_TEXT("Making the draft: its audio to %1 s"),
                              {std::to_string(now.heard_ms / 1000)});
        if (!told.empty() && told != m_making_draft->told) {
            m_making_draft->told = told;
            show_notice(told);
        }
        return;
    }
    take_made_draft(now);
}

void Controller::take_made_draft(const RecognitionState& made)
{
    const MakingDraft making = std::move(*m_making_draft);
    m_making_draft.reset();
    const std::string name = recording_name(making.recording);
    if (made.trouble)
        return tell_no_draft(name, cause_of(*made.trouble, made.refused), made.error_lines);
    Draft draft = cuedeck::read_draft(made.output);
    if (draft.cues.empty())
        return tell_no_draft(name, translated(UI_TEXT("its output holds no cues")));
    const std::string target = made_draft_path(making.recording, m_system.path_separator());
    const auto before = m_system.read_start(target, max_draft_bytes + 1);
    if (making.stretch) {
        const Draft kept = before ? cuedeck::read_draft(*before) : Draft{};
        draft = merged(kept, std::move(draft), making.stretch->start_ms, *making.stretch->end_ms,
                       made.times_of_recording);
    }
    // The file before is kept, once, beside it.
    if (before && !before->empty()) {
        if (const Written written = m_system.replace_file(target + "~", *before); !written)
            return tell_no_draft(name, written.failure);
    }
    if (const Written written = m_system.replace_file(target, write_srt(draft)); !written)
        return tell_no_draft(name, written.failure);
    m_draft_choices.remember(making.recording, target);
    m_draft.recording.clear(); // read again, now
    follow_draft();
    show_notice(translated(UI_TEXT("The draft %1 is made"), {recording_name(target)}));
}

void Controller::tell_no_draft(const std::string& name, const std::string& why,
                               const std::string& details)
{
    const std::string text = translated(UI_TEXT("No draft was made of %1: %2"), {name, why});
    // Set before the box: the job is over, and a status still saying it is
    // being made would stay after the box is closed.
    put_notice(text);
    m_view->show_message(details.empty() ? text : text + "\n\n" + details);
}

} // namespace cuedeck
