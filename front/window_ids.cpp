#include "front/window_ids.h"

#include <algorithm>
#include <iterator>

#include "front/control_ids.h"

namespace cuedeck {

namespace {

constexpr std::pair<FieldId, int> fields[] = {
    {FieldId::TipLength, IDC_TIP_LENGTH},     {FieldId::Position, IDC_POSITION},
    {FieldId::Counter, IDC_COUNTER},          {FieldId::Playing, IDC_PLAYING},
    {FieldId::Playlist, IDC_PLAYLIST},        {FieldId::TipTimer, IDC_TIP_TIMER},
    {FieldId::SoundState, IDC_SOUND_STATE},   {FieldId::Speed, IDC_SPEED_STATE},
    {FieldId::DeviceState, IDC_DEVICE_STATE}, {FieldId::Aids, IDC_AIDS_STATE},
    {FieldId::Loop, IDC_LOOP_STATE},
};

constexpr std::pair<Command, int> buttons[] = {
    {Command::PlayPause, IDC_PLAY_PAUSE},
    {Command::Zero, IDC_ZERO},
    {Command::Rewind, IDC_REWIND},
    {Command::Back5Seconds, IDC_BACK_5},
    {Command::Forward5Seconds, IDC_FORWARD_5},
    {Command::LastTip, IDC_LAST_TIP},
    {Command::NextTip, IDC_NEXT_TIP},
    {Command::TipTimer, IDC_TIP_TIMER_BUTTON},
};

constexpr std::pair<Command, int> menu_items[] = {
    {Command::NewTapeGroup, IDM_FILE_NEW_TAPE_GROUP},
    {Command::NewTapeGroupFromFolder, IDM_FILE_NEW_TAPE_GROUP_FROM_FOLDER},
    {Command::OpenTapeGroup, IDM_FILE_OPEN},
    {Command::SaveTapeGroup, IDM_FILE_SAVE},
    {Command::SaveTapeGroupAs, IDM_FILE_SAVE_AS},
    {Command::Exit, IDM_FILE_EXIT},
    {Command::Undo, IDM_EDIT_UNDO},
    {Command::Redo, IDM_EDIT_REDO},
    {Command::CopyPlace, IDM_EDIT_COPY_PLACE},
    {Command::GoToCopiedPlace, IDM_EDIT_GO_TO_COPIED_PLACE},
    {Command::OpenMusicFile, IDM_PLAY_OPEN_FILE},
    {Command::OpenPlaylist, IDM_PLAY_OPEN_PLAYLIST},
    {Command::GoToPlace, IDM_PLAY_GO_TO_PLACE},
    {Command::Settings, IDM_OPTIONS_SETTINGS},
    {Command::Help, IDM_HELP_HELP},
    {Command::About, IDM_HELP_ABOUT},
    {Command::Slower, IDM_PLAY_SLOWER},
    {Command::Faster, IDM_PLAY_FASTER},
    {Command::NormalSpeed, IDM_PLAY_NORMAL_SPEED},
    {Command::ReduceNoise, IDM_SOUND_REDUCE_NOISE},
    {Command::VoiceBand, IDM_SOUND_VOICE_BAND},
    {Command::EvenLoudness, IDM_SOUND_EVEN_LOUDNESS},
    {Command::Louder, IDM_SOUND_LOUDER},
    {Command::ChannelBoth, IDM_SOUND_CHANNEL_BOTH},
    {Command::ChannelLeft, IDM_SOUND_CHANNEL_LEFT},
    {Command::ChannelRight, IDM_SOUND_CHANNEL_RIGHT},
    {Command::ChannelMixed, IDM_SOUND_CHANNEL_MIXED},
    {Command::Loop, IDM_PLAY_LOOP},
    {Command::PhraseBack, IDM_PLAY_PHRASE_BACK},
    {Command::PhraseForward, IDM_PLAY_PHRASE_FORWARD},
    {Command::PreviousCue, IDM_PLAY_PREVIOUS_CUE},
    {Command::NextCue, IDM_PLAY_NEXT_CUE},
    {Command::CueAgain, IDM_PLAY_CUE_AGAIN},
    {Command::LoopCue, IDM_PLAY_LOOP_CUE},
    {Command::CopyCue, IDM_EDIT_COPY_CUE},
    {Command::CopyDraftAsTranscript, IDM_EDIT_COPY_DRAFT},
    {Command::OpenDraft, IDM_FILE_OPEN_DRAFT},
    {Command::SaveDraftAs, IDM_FILE_SAVE_DRAFT_AS},
    {Command::MakeDraft, IDM_FILE_MAKE_DRAFT},
    {Command::MakeDraftOfLoop, IDM_FILE_MAKE_DRAFT_OF_LOOP},
    {Command::StopMakingDraft, IDM_FILE_STOP_MAKING_DRAFT},
    {Command::RecognizerSettings, IDM_OPTIONS_RECOGNIZER},
};

/// The id paired with `key` in `table`, 0 for none.
template <typename Key, std::size_t size>
int id_of(const std::pair<Key, int> (&table)[size], Key key)
{
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [&](const auto& entry) { return entry.first == key; });
    return found == std::end(table) ? 0 : found->second;
}

/// What is paired with `id` in `table`, if anything.
template <typename Key, std::size_t size>
std::optional<Key> key_of(const std::pair<Key, int> (&table)[size], int id)
{
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [&](const auto& entry) { return entry.second == id; });
    return found == std::end(table) ? std::nullopt : std::optional<Key>(found->first);
}

} // namespace

int field_control(FieldId field)
{
    return id_of(fields, field);
}

std::optional<FieldId> field_of_control(int id)
{
    return key_of(fields, id);
}

int button_control(Command command)
{
    return id_of(buttons, command);
}

int menu_id(Command command)
{
    return id_of(menu_items, command);
}

std::optional<Command> command_of_id(int id)
{
    if (const auto command = key_of(buttons, id))
        return command;
    return key_of(menu_items, id);
}

} // namespace cuedeck
