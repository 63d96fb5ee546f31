#include "support/fake_player_backend.h"

#include <algorithm>

namespace cuedeck {

void FakePlayerBackend::record(std::string event)
{
    if (on_event)
        on_event(event);
    log.push_back(std::move(event));
}

std::vector<std::string> FakePlayerBackend::traffic() const
{
    std::vector<std::string> result;
    for (const auto& event : log) {
        if (event != "find" && event != "start" && event != "abandon_start")
            result.push_back(event);
    }
    return result;
}

bool FakePlayerBackend::find()
{
    record("find");
    if (m_started && !running && appears_after_looks >= 0 &&
        ++m_looks_since_start > appears_after_looks)
        running = true;
    return running;
}

bool FakePlayerBackend::start()
{
    record("start");
    m_started = start_succeeds;
    return start_succeeds;
}

void FakePlayerBackend::abandon_start()
{
    record("abandon_start");
}

void FakePlayerBackend::command(PlayerCommand command)
{
    record(command_name(command));
    if (silent)
        return;
    Model& m = model;
    switch (command) {
    case PlayerCommand::PreviousTrack:
        if (m.playlist_index > 0) {
            --m.playlist_index;
            m.position_ms = 0;
        }
        break;
    case PlayerCommand::NextTrack:
        if (m.playlist_index < m.playlist_length - 1) {
            ++m.playlist_index;
            m.position_ms = 0;
        }
        break;
    case PlayerCommand::Play:
        if (m.playlist_length > 0)
            m.play_state = 1;
        break;
    case PlayerCommand::Pause:
        if (m.play_state == 1)
            m.play_state = 3;
        else if (m.play_state == 3)
            m.play_state = 1;
        break;
    case PlayerCommand::Stop:
        m.play_state = 0;
        m.position_ms = 0;
        break;
    case PlayerCommand::VolumeUp:
        m.volume = std::min(m.volume + 1, 100);
        break;
    case PlayerCommand::VolumeDown:
        m.volume = std::max(m.volume - 1, 0);
        break;
    case PlayerCommand::Forward5Seconds:
        m.position_ms = std::min(m.position_ms + 5000, m.track_length_s * 1000);
        break;
    case PlayerCommand::Back5Seconds:
        m.position_ms = std::max(m.position_ms - 5000, 0);
        break;
    }
}

std::optional<int> FakePlayerBackend::request(PlayerRequest request, int argument)
{
    record(describe(request, argument));
    if (silent)
        return std::nullopt;
    Model& m = model;
    switch (request) {
    case PlayerRequest::ClearPlaylist:
        m.playlist_length = 0;
        m.playlist_index = 0;
        m.play_state = 0;
        return 0;
    case PlayerRequest::PlayState:
        return m.play_state;
    case PlayerRequest::Position:
        return argument == 1 ? m.track_length_s : m.position_ms;
    case PlayerRequest::JumpTo:
        m.position_ms = argument;
        return 0;
    case PlayerRequest::SetPlaylistIndex:
        m.playlist_index = argument;
        return 0;
    case PlayerRequest::PlaylistLength:
        return m.playlist_length;
    case PlayerRequest::PlaylistIndex:
        return m.playlist_index;
    }
    return 0;
}

std::string FakePlayerBackend::caption()
{
    record("caption");
    return model.caption;
}

bool FakePlayerBackend::hand_over(const std::string& path)
{
    record("hand_over " + path);
    if (silent)
        return false;
    // Like the Windows player: the file replaces the list and starts playing.
    const auto known = list_lengths.find(path);
    model.loaded = path;
    model.playlist_length = known == list_lengths.end() ? 1 : known->second;
    model.playlist_index = 0;
    model.position_ms = 0;
    model.play_state = model.playlist_length > 0 ? 1 : 0;
    return true;
}

void FakePlayerBackend::set_aids(const ClarityAids& wanted)
{
    std::string text = "Aids";
    for (const Aid aid : every_aid) {
        if (aid_on(wanted, aid))
            text += " " + std::to_string(int(aid)) +
                    (aid == Aid::Channel ? ":" + std::to_string(int(wanted.channel)) : "");
    }
    record(text);
    if (silent)
        return;
    aids = wanted;
    for (const Aid aid : refused_aids)
        aids = without(aids, aid);
}

void FakePlayerBackend::set_loop(std::optional<LoopStretch> stretch)
{
    record(stretch
               ? "Loop " + std::to_string(stretch->start_ms) + "-" + std::to_string(stretch->end_ms)
               : "Loop none");
    if (!silent)
        loop = stretch;
}

bool FakePlayerBackend::set_speed(int percent)
{
    record("Speed " + std::to_string(percent));
    if (silent)
        return false;
    model.speed = percent;
    return true;
}

void FakePlayerBackend::close()
{
    record("close");
    running = false;
    is_alive = false;
}

} // namespace cuedeck
