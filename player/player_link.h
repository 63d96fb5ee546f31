#pragma once

#include <string>

#include "player/player_backend.h"

namespace cuedeck {

/// The one place that knows the player: its commands, requests and program.
///
/// Until the player is found, or once it has gone away, every command does
/// nothing and every request has no answer; the controller looks for it
/// again when the user next needs it. A request the player leaves
/// unanswered is told apart from an answer of 0.
class PlayerLink
{
public:
    explicit PlayerLink(PlayerBackend& backend) : m_backend(backend) {}

    /// Look the player up; remembers the answer. Never after close().
    bool find();
    bool start() { return !m_closed && m_backend.start(); }
    void abandon_start() { m_backend.abandon_start(); }
    bool connected();
    bool closed() const { return m_closed; }

    void send(PlayerCommand command);
    std::optional<int> request(PlayerRequest request, int argument = 0);

    void clear_playlist() { request(PlayerRequest::ClearPlaylist); }
    std::optional<int> play_state() { return request(PlayerRequest::PlayState); }
    std::optional<int> position_ms() { return request(PlayerRequest::Position, 0); }
    void jump_to(int position_ms) { request(PlayerRequest::JumpTo, position_ms); }
    void set_playlist_index(int index) { request(PlayerRequest::SetPlaylistIndex, index); }
    std::optional<int> playlist_length() { return request(PlayerRequest::PlaylistLength); }
    std::optional<int> playlist_index() { return request(PlayerRequest::PlaylistIndex); }

    /// Caption and the five status requests; nothing without an answer.
    std::optional<PlayerStatus> status();
    /// The place now and the current tip, as the player told them where it
    /// tells (see PlayerBackend).
    std::optional<int> told_position()
    {
        return connected() ? m_backend.told_position() : std::nullopt;
    }
    std::optional<int> told_tip() { return connected() ? m_backend.told_tip() : std::nullopt; }
    /// What becomes readable when the found player tells something; -1 (see
    /// PlayerBackend::told_through).
    int told_through() { return connected() ? m_backend.told_through() : -1; }
    /// Whether a found player answers now (see PlayerBackend::answers_now).
    bool answers_now() { return connected() && m_backend.answers_now(); }
    /// See PlayerBackend::heard_again.
    bool heard_again() { return connected() && m_backend.heard_again(); }
    /// False when the player did not take the file (see PlayerBackend).
    bool hand_over(const std::string& path);
    bool can_change_speed() const { return m_backend.can_change_speed(); }
    /// Play at `percent` of normal speed from now on: now, and again whenever
    /// the player is found anew or loads a file.
    void set_speed(int percent);

    bool has_clarity_aids() const { return m_backend.has_clarity_aids(); }
    /// Hear the tracks through these aids from now on: now, and again
    /// whenever the player is found anew.
    void set_aids(const ClarityAids& aids);
    /// The aids asked for, less any the player could not build (which are
    /// then no longer asked for).
    ClarityAids aids_in_effect();
    /// Every player loops a stretch: one that cannot by itself has it kept
    /// here, by status(): a look at the place that finds it past the
    /// stretch's end, having been inside it at the look before, moves it to
    /// its start. The front end looks often while the player plays.
    bool can_loop() const { return true; }
    /// How far a player plays on between two looks at most, and further: a jump.
    static constexpr int played_between_looks_ms = 2000;
    /// Play this stretch over and over from now on, or none; again when the
    /// player is found anew.
    void set_loop(std::optional<LoopStretch> stretch);

    bool shows_subtitles() const { return m_backend.shows_subtitles(); }
    void show_subtitles(const std::optional<std::string>& srt)
    {
        if (connected())
            m_backend.show_subtitles(srt);
    }

    /// Close the player for good: nothing is handed over or started after it.
    void close();
    /// See PlayerBackend::look_after: asked whether or not the player answers.
    std::string look_after() { return m_backend.look_after(); }

    std::string name() const { return m_backend.name(); }
    std::string location() const { return m_backend.location(); }
    std::string problem() const { return m_backend.problem(); }
    std::string missing_message() const { return m_backend.missing_message(); }

private:
    PlayerBackend& m_backend;
    bool m_found = false;
    bool m_closed = false;
    std::optional<int> m_speed;
    ClarityAids m_aids;
    std::optional<LoopStretch> m_loop;
    /// Where the place was at the last look, for a loop kept here: only a
    /// place that played on past the end from inside the stretch is moved
    /// back; a jump beyond it (a skip forward) leaves the stretch, as a
    /// player's own loop lets it.
    std::optional<int> m_looped_from;
};

} // namespace cuedeck
