// What each command runs on the controller.
#include "control/run/command_bodies.h"

#include <algorithm>
#include <iterator>

#include "control/run/controller.h"

namespace cuedeck {

using Run = void (Controller::*)();

/// A command's body: run, or run with a number; the window's own commands
/// have none.
struct CommandBody
{
    Command command;
    Run run;
    void (Controller::*run_with)(int) = nullptr;
};

/// The bodies, which the controller keeps to itself, by what they do.
struct CommandBodies
{
    static constexpr CommandBody all[] = {
        // Transport
        {Command::PlayPause, &Controller::play_pause},
        {Command::Zero, &Controller::zero},
        {Command::Rewind, &Controller::rewind},
        {Command::Back5Seconds, &Controller::back_5_seconds},
        {Command::Forward5Seconds, &Controller::forward_5_seconds},
        {Command::LastTip, &Controller::last_tip},
        {Command::NextTip, &Controller::next_tip},
        {Command::TipTimer, &Controller::tip_timer},
        {Command::VolumeUp, &Controller::volume_up},
        {Command::VolumeDown, &Controller::volume_down},
        {Command::Undo, &Controller::undo},
        {Command::Redo, &Controller::redo},
        {Command::Slower, &Controller::slower},
        {Command::Faster, &Controller::faster},
        {Command::NormalSpeed, &Controller::normal_speed},
        {Command::SetSpeed, nullptr, &Controller::set_speed},
        {Command::Play, &Controller::play},
        {Command::Pause, &Controller::pause},
        {Command::JumpTo, nullptr, &Controller::jump_within_tip},
        {Command::SayWhere, &Controller::say_where},
        // Places
        {Command::CopyPlace, &Controller::copy_place},
        {Command::GoToPlace, &Controller::ask_and_go_to_place},
        {Command::GoToCopiedPlace, &Controller::go_to_copied_place},
        {Command::PlaceInTip, nullptr, &Controller::go_to_in_tip},
        {Command::PhraseBack, &Controller::phrase_back},
        {Command::PhraseForward, &Controller::phrase_forward},
        // Drafts
        {Command::PreviousCue, &Controller::previous_cue},
        {Command::NextCue, &Controller::next_cue},
        {Command::CueAgain, &Controller::cue_again},
        {Command::LoopCue, &Controller::loop_cue},
        {Command::CopyCue, &Controller::copy_cue},
        {Command::CopyDraftAsTranscript, &Controller::copy_draft_as_transcript},
        {Command::OpenDraft, static_cast<Run>(&Controller::open_draft)},
        {Command::SaveDraftAs, &Controller::save_draft_as},
        {Command::MakeDraft, &Controller::make_draft},
        {Command::MakeDraftOfLoop, &Controller::make_draft_of_loop},
        {Command::StopMakingDraft, &Controller::stop_making_draft},
        // Files
        {Command::OpenPlaylist, static_cast<Run>(&Controller::open_playlist)},
        {Command::OpenMusicFile, static_cast<Run>(&Controller::open_music_file)},
        {Command::NewTapeGroup, &Controller::new_tape_group},
        {Command::NewTapeGroupFromFolder, &Controller::new_tape_group_from_folder},
        {Command::OpenTapeGroup, static_cast<Run>(&Controller::open_tape_group)},
        {Command::SaveTapeGroup, &Controller::save_tape_group},
        {Command::SaveTapeGroupAs, &Controller::save_tape_group_as},
        // Clarity
        {Command::ReduceNoise, &Controller::reduce_noise},
        {Command::VoiceBand, &Controller::voice_band},
        {Command::EvenLoudness, &Controller::even_loudness},
        {Command::Louder, &Controller::louder},
        {Command::ChannelBoth, &Controller::channel_both},
        {Command::ChannelLeft, &Controller::channel_left},
        {Command::ChannelRight, &Controller::channel_right},
        {Command::ChannelMixed, &Controller::channel_mixed},
        {Command::Loop, &Controller::loop},
        {Command::EndLoop, &Controller::end_loop},
    };

    static const CommandBody* of(Command command)
    {
        const auto found =
            std::find_if(std::begin(all), std::end(all),
                         [&](const CommandBody& body) { return body.command == command; });
        return found == std::end(all) ? nullptr : found;
    }
};

bool run_command(Controller& controller, Command command)
{
    const CommandBody* body = CommandBodies::of(command);
    if (body == nullptr || body->run == nullptr)
        return false;
    (controller.*body->run)();
    return true;
}

bool run_command_with(Controller& controller, Command command, int number)
{
    const CommandBody* body = CommandBodies::of(command);
    if (body == nullptr || body->run_with == nullptr)
        return false;
    (controller.*body->run_with)(number);
    return true;
}

void carry_out(Controller& controller, WindowCommands& window, Command command)
{
    if (run_command(controller, command))
        return;
    switch (command) {
    case Command::Exit:
        controller.shut_down(WindowEnding::AsOk);
        break;
    case Command::Settings:
        window.open_settings();
        break;
    case Command::RecognizerSettings:
        window.open_recognizer_settings();
        break;
    case Command::Help:
        window.open_help();
        break;
    case Command::About:
        window.open_about();
        break;
    default:
        break;
    }
}

} // namespace cuedeck
