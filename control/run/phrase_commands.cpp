// The position bar and the phrases its waveform shows.
#include <algorithm>
#include <cstdlib>

#include "base/saturating.h"
#include "base/translation.h"
#include "base/ui_text.h"
#include "control/run/controller.h"
#include "control/run/phrases.h"
#include "control/state/time_format.h"
#include "system/waveforms.h"

namespace cuedeck {

std::shared_ptr<const Waveform> Controller::waveform_now()
{
    if (m_waveforms == nullptr)
        return nullptr;
    // The playlist's entry where the player does not tell its file (Winamp).
    const std::string recording = recording_now();
    if (recording.empty())
        return nullptr;
    return m_waveforms->waveform(recording, std::max(m_last_status.position_ms, 0));
}

void Controller::tell_waveform_trouble()
{
    const auto shown = waveform_now();
    const std::string recording = recording_now();
    if (!shown || shown->trouble == WaveformTrouble::None || m_waveform_trouble_told == recording)
        return;
    m_waveform_trouble_told = recording;
    const char* why = UI_TEXT("it cannot be decoded");
    switch (shown->trouble) {
    case WaveformTrouble::None:
    case WaveformTrouble::Unreadable:
        break;
    case WaveformTrouble::HelperMissing:
        why = UI_TEXT("the decoding helper is not installed");
        break;
    case WaveformTrouble::HelperCrashed:
        why = UI_TEXT("the decoder crashed on it");
        break;
    case WaveformTrouble::HelperStopped:
        why = UI_TEXT("the decoder was stopped");
        break;
    case WaveformTrouble::HelperHung:
        why = UI_TEXT("the decoder stopped answering");
        break;
    case WaveformTrouble::HelperGarbage:
        why = UI_TEXT("the decoder wrote what is not a waveform");
        break;
    }
    // Without the recording's name (it is the tip's, shown above): the
    // reason fits in the status field.
    show_notice(translated(UI_TEXT("No waveform: %1"), {translated(why)}));
}

void Controller::phrase_back()
{
    move_by_phrase(&phrases::back);
}

void Controller::phrase_forward()
{
    move_by_phrase(&phrases::forward);
}

void Controller::move_by_phrase(std::optional<int> (*find)(const Waveform&, int))
{
    reach_player();
    refresh();
    if (const auto shown = waveform_now()) {
        // Just after a phrase move the player may report a place a little
        // before it (mpv counts its output's buffer): the move was to
        // where it landed, or the next press would land there again.
        int position = position_now();
        if (m_phrase_landed &&
            std::abs(position - *m_phrase_landed) < phrases::shortest_reported_ms)
            position = *m_phrase_landed;
        m_phrase_landed = find(*shown, position);
        if (m_phrase_landed)
            m_player.jump_to(*m_phrase_landed);
        refresh();
    }
    m_view->return_focus();
}

void Controller::go_to_in_tip(int position_ms)
{
    reach_player();
    refresh();
    const int end = saturating_mul(std::max(m_last_status.track_length_s, 0), 1000);
    const int target = std::clamp(position_ms, 0, end);
    // As a go-to: where the tip was left is recorded, then the new place.
    zero();
    m_state.zero_mark = target;
    m_player.jump_to(target);
    push_place();
    refresh();
}

void Controller::show_bar()
{
    m_view->show_bar(present().bar);
}

} // namespace cuedeck
