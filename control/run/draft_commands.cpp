#include <algorithm>

#include "base/program_texts.h"
#include "base/saturating.h"
#include "base/text_lines.h"
#include "base/translation.h"
#include "control/run/controller.h"
#include "control/run/playable.h"
#include "control/state/cues.h"

namespace cuedeck {

namespace {

constexpr const char* draft_filter = UI_TEXT(
    "Drafts (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||");
constexpr const char* saved_draft_filter =
    UI_TEXT("SubRip Subtitles (*.srt)|*.srt|WebVTT Subtitles (*.vtt)|*.vtt||");

/// The recording's path without its ending: where its drafts lie.
std::string stem_of(const std::string& path, char separator)
{
    return path.substr(0, path.size() - file_extension(path, separator).size());
}

} // namespace

std::string Controller::recording_now()
{
    if (!m_last_status.file.empty() || m_state.playlist_path.empty())
        return m_last_status.file;
    if (m_playlist_recordings.first != m_state.playlist_path)
        m_playlist_recordings = {m_state.playlist_path,
                                 playlist_recordings(m_system, m_state.playlist_path)};
    const auto& recordings = m_playlist_recordings.second;
    const int tip = m_last_status.playlist_index;
    return tip >= 0 && std::size_t(tip) < recordings.size() ? recordings[std::size_t(tip)]
                                                            : std::string();
}

void Controller::follow_draft()
{
    const std::string recording = recording_now();
    if (recording == m_draft.recording)
        return;
    // A notice of the draft of the recording left is no longer true here.
    if (m_notice_ticks_left > 0 && !m_notice_of_draft.empty() && m_notice_of_draft != recording) {
        m_notice_ticks_left = 0;
        m_notice_of_draft.clear();
        m_view->set_field_text(FieldId::DeviceState, m_device_state);
    }
    m_draft = ShownDraft{recording, {}, {}, {}};
    m_state.drafted = false;
    if (recording.empty())
        return;
    // What was refused as it is now stays refused; another recording's never comes again.
    std::erase_if(m_drafts_refused, [&](const auto& refused) {
        return m_system.file_stamp(refused.first) != refused.second;
    });
    const auto worth_reading = [&](const std::string& path) {
        return m_system.file_stamp(path) &&
               std::none_of(m_drafts_refused.begin(), m_drafts_refused.end(),
                            [&](const auto& refused) { return refused.first == path; });
    };
    const auto chosen = m_draft_choices.chosen_for(recording);
    bool found = chosen && worth_reading(*chosen) && read_draft(recording, *chosen, false);
    // "tip 2.srt", then the whole name's "tip 2.mp3.srt" (as whisper.cpp names it).
    const std::string stem = stem_of(recording, m_system.path_separator());
    for (const std::string& name : {stem, recording}) {
        for (const char* ending : draft_extensions) {
            const std::string beside = name + ending;
            if (!found && beside != recording && worth_reading(beside))
                found = read_draft(recording, beside, false);
        }
    }
    if (found)
        show_draft_subtitles();
}

void Controller::show_draft_subtitles()
{
    if (!m_player.shows_subtitles())
        return;
    const bool shown = m_draft.cues && m_state.settings.draft_subtitles != 0;
    if (shown)
        m_player.show_subtitles(write_srt(*m_draft.cues));
    else if (m_draft.as_subtitles)
        m_player.show_subtitles(std::nullopt);
    m_draft.as_subtitles = shown;
}

Controller::DraftRead Controller::read_draft_file(System& system, const std::string& path)
{
    const auto bytes = system.read_start(path, max_draft_bytes + 1);
    if (!bytes)
        return {nullptr, DraftRead::Problem::Unreadable};
    if (bytes->size() > max_draft_bytes)
        return {nullptr, DraftRead::Problem::TooLarge};
    return {std::make_shared<Draft>(cuedeck::read_draft(*bytes)), DraftRead::Problem::None};
}

bool Controller::read_draft(const std::string& recording, const std::string& path, bool chosen)
{
    const std::optional<FileStamp> stamp = m_system.file_stamp(path);
    if (stamp && std::uint64_t(stamp->size) > max_draft_bytes)
        return take_draft({recording, path, chosen, stamp},
                          {nullptr, DraftRead::Problem::TooLarge});
    if (!stamp)
        return take_draft({recording, path, chosen, stamp},
                          {nullptr, DraftRead::Problem::Unreadable});
    if (std::uint64_t(stamp->size) <= read_at_once_bytes)
        return take_draft({recording, path, chosen, stamp}, read_draft_file(m_system, path));
    // A long one (a ten-hour recognizer's JSON with its tokens) is read away
    // from the window; the tick takes it in.
    if (m_draft_pending)
        m_drafts_abandoned.push_back(std::move(m_draft_pending->read));
    m_draft_pending =
        PendingDraft{{recording, path, chosen, stamp},
                     std::async(std::launch::async, read_draft_file, std::ref(m_system), path)};
    return true;
}

void Controller::collect_draft()
{
    std::erase_if(m_drafts_abandoned, [](const std::future<DraftRead>& read) {
        return read.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
    if (!m_draft_pending ||
        m_draft_pending->read.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    PendingDraft pending = std::move(*m_draft_pending);
    m_draft_pending.reset();
    // Only for the recording it was read for.
    if (pending.of.recording != recording_now())
        return;
    if (take_draft(pending.of, pending.read.get())) {
        if (pending.of.chosen)
            m_draft_choices.remember(pending.of.recording, pending.of.path);
        show_draft_subtitles();
        draw(present());
    }
}

bool Controller::take_draft(const DraftSource& of, DraftRead read)
{
    const std::string name = recording_name(of.path);
    const auto refused = [&] {
        if (!of.chosen && of.stamp)
            m_drafts_refused.emplace_back(of.path, *of.stamp);
        return false;
    };
    const auto tell = [&](const std::string& text) {
        refused();
        if (of.chosen) {
            m_view->tell(text);
        } else {
            show_notice(text);
            m_notice_of_draft = of.recording;
        }
        return false;
    };
    switch (read.problem) {
    case DraftRead::Problem::None:
        break;
    case DraftRead::Problem::Unreadable:
        return tell(translated(UI_TEXT("The draft %1 cannot be read"), {name}));
    case DraftRead::Problem::TooLarge:
        return tell(
            translated(UI_TEXT("The draft %1 is larger than 50 MB: it is not read"), {name}));
    }
    // A file beside the recording that holds no cues (notes, say) is no draft.
    if (read.draft->cues.empty())
        return of.chosen ? tell(translated(UI_TEXT("%1 holds no cues Cuedeck can read"), {name}))
                         : refused();
    const int skipped_before = m_draft.path == of.path && m_draft.cues ? m_draft.cues->skipped : 0;
    const bool as_subtitles = m_draft.recording == of.recording && m_draft.as_subtitles;
    m_draft = ShownDraft{of.recording, of.path, of.stamp, std::move(read.draft), as_subtitles};
    m_state.drafted = true;
    // Told once: not again when the same file is read again unchanged in that.
    if (m_draft.cues->skipped > 0 && m_draft.cues->skipped != skipped_before) {
        show_notice(
            translated(m_draft.cues->skipped == 1
                           ? UI_TEXT("Draft %1: 1 cue with a time that cannot be was left out")
                           : UI_TEXT("Draft %1: %2 cues with times that cannot be were left out"),
                       {name, std::to_string(m_draft.cues->skipped)}));
        m_notice_of_draft = of.recording;
    }
    return true;
}

void Controller::look_at_draft()
{
    if (m_draft_pending)
        return; // looked at once it is in
    if (m_draft.path.empty()) {
        // None yet: one may have been written beside the recording since.
        if (!m_draft.recording.empty()) {
            m_draft.recording.clear();
            follow_draft();
            if (m_draft.cues)
                draw(present());
        }
        return;
    }
    const auto stamp = m_system.file_stamp(m_draft.path);
    if (!stamp || stamp == m_draft.stamp)
        return; // gone for a moment (an editor replacing it), or unchanged
    const std::string recording = m_draft.recording;
    const std::string path = m_draft.path;
    if (read_draft(recording, path, false))
        show_draft_subtitles();
    else
        m_draft.stamp = stamp; // a half-written file is read at its next change
    draw(present());
}

void Controller::open_draft(const std::string& path)
{
    reach_player();
    show_status(m_player.status());
    const std::string recording = recording_now();
    if (recording.empty()) {
        m_view->tell(translated(UI_TEXT("Open a recording first: a draft belongs to one")));
        return;
    }
    if (read_draft(recording, path, true)) {
        if (m_draft_pending && m_draft_pending->of.path == path)
            return; // remembered once it is read
        m_draft_choices.remember(recording, path);
        show_draft_subtitles();
    }
    draw(present());
}

void Controller::open_draft()
{
    FileChoice choice{FileDialogMode::Open, translated(draft_filter)};
    choice.caption = translated(UI_TEXT("Open Draft"));
    if (const auto path = m_view->choose_file(choice))
        open_draft(*path);
    m_view->return_focus();
}

void Controller::save_draft_as()
{
    const std::shared_ptr<const Draft> draft = draft_or_notice();
    if (!draft)
        return;
    FileChoice choice{FileDialogMode::Save, translated(saved_draft_filter), "srt",
                      stem_of(m_draft.recording, m_system.path_separator()) + ".srt",
                      translated(UI_TEXT("Save Draft As"))};
    const auto path = m_view->choose_file(choice);
    m_view->return_focus();
    if (!path)
        return;
    const bool webvtt =
        equal_ignoring_case(file_extension(*path, m_system.path_separator()), ".vtt");
    if (const Written written =
            m_system.replace_file(*path, webvtt ? write_webvtt(*draft) : write_srt(*draft));
        !written)
        m_view->show_message(translated(UI_TEXT("The draft was not saved: %1"), {written.failure}));
}

std::shared_ptr<const Draft> Controller::draft_or_notice()
{
    // The draft of the tip the player has now.
    reach_player();
    refresh();
    if (!m_draft.cues) {
        show_notice(translated(UI_TEXT("This tip has no draft")));
        return nullptr;
    }
    return m_draft.cues;
}

void Controller::go_to_cue(std::optional<std::size_t> (*pick)(const Draft&, int))
{
    const std::shared_ptr<const Draft> draft = draft_or_notice();
    if (!draft)
        return;
    const auto index = pick(*draft, position_now());
    if (!index) {
        m_view->announce(translated(UI_TEXT("No cue there")));
        return;
    }
    const Cue& cue = draft->cues[*index];
    go_to_in_tip(cue.start_ms);
    m_view->announce(cues::line(cue));
}

void Controller::previous_cue()
{
    go_to_cue(cues::previous);
}

void Controller::next_cue()
{
    go_to_cue(cues::next);
}

void Controller::cue_again()
{
    go_to_cue(cues::again);
}

void Controller::loop_cue()
{
    if (!m_state.loop_control)
        return;
    const std::shared_ptr<const Draft> draft = draft_or_notice();
    if (!draft)
        return;
    const auto index = cues::again(*draft, position_now());
    if (!index)
        return;
    const Cue& cue = draft->cues[*index];
    // A cue that runs on to the end (a transcript's last) loops to the tip's end.
    const int end = m_state.tip_length > 0
                        ? std::min(cue.end_ms, saturating_mul(m_state.tip_length, 1000))
                        : cue.end_ms;
    const Loop stretch{m_state.current_tip, cue.start_ms, end};
    if (m_state.loop == stretch || end <= cue.start_ms) {
        end_loop();
        refresh();
        return;
    }
    go_to_in_tip(cue.start_ms);
    m_state.loop = stretch;
    m_player.set_loop(LoopStretch{stretch.start_ms, end});
    m_player.jump_to(stretch.start_ms);
    play();
    show_loop_state();
    refresh();
    m_view->announce(cues::line(cue));
}

void Controller::copy_cue()
{
    const std::shared_ptr<const Draft> draft = draft_or_notice();
    if (!draft)
        return;
    if (const auto index = cues::again(*draft, position_now()))
        m_view->put_on_clipboard(cues::transcript_line(draft->cues[*index], m_state.current_tip + 1,
                                                       m_last_status.playlist_length));
}

void Controller::copy_draft_as_transcript()
{
    const std::shared_ptr<const Draft> draft = draft_or_notice();
    if (!draft)
        return;
    m_view->put_on_clipboard(
        cues::transcript(*draft, m_state.current_tip + 1, m_last_status.playlist_length));
}

} // namespace cuedeck
