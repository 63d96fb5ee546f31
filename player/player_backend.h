#pragma once

#include <optional>
#include <string>

#include "base/translation.h"
#include "player/player_vocabulary.h"

namespace cuedeck {

/// A real (or fake) media player behind PlayerLink.
///
/// This is the seam between the controller and whatever plays the music: the
/// Windows player driven by window messages, mpv driven over its IPC socket, or
/// the scripted fake the tests use. A backend only translates; the rules for a
/// missing or dead player live in PlayerLink.
class PlayerBackend
{
public:
    virtual ~PlayerBackend() = default;

    /// Look for a running player at its fixed location; true when one answers.
    virtual bool find() = 0;
    /// Start the player, detached; true when the start itself succeeded (the
    /// player may take a while before find() sees it).
    virtual bool start() = 0;
    /// Called when a started player never appeared: end what start() began.
    virtual void abandon_start() {}
    /// False once a found player has gone away (closed or crashed).
    virtual bool alive() = 0;

    virtual void command(PlayerCommand command) = 0;
    /// The player's answer; nothing when it gave none (hung, slow, gone),
    /// which is not the same as an answer of 0.
    virtual std::optional<int> request(PlayerRequest request, int argument) = 0;
    /// The player's caption (the current track's title line), at most 128 characters.
    virtual std::string caption() = 0;
    /// Everything a status refresh reads, asked in the documented order, or
    /// nothing when any of it went unanswered. The default asks one question
    /// after the other; a backend with a slow round trip may send them together.
    virtual std::optional<PlayerStatus> status();
    /// The place in the current track now, in ms, and the current track's
    /// index: from what the player told, where it tells, else asked.
    virtual std::optional<int> told_position() { return request(PlayerRequest::Position, 0); }
    virtual std::optional<int> told_tip() { return request(PlayerRequest::PlaylistIndex, 0); }
    /// A descriptor that becomes readable when the player tells something
    /// by itself (see told_position); -1 for a player that tells nothing,
    /// which is then looked at each second instead.
    virtual int told_through() const { return -1; }
    /// Whether the player answers now, found out within a short wait; false
    /// while it lets questions go unanswered (stopped, hung).
    virtual bool answers_now() { return true; }
    /// Whether a player that let a question go unanswered has said anything
    /// since, looked at without asking it: a slow one has, a stopped one
    /// has not.
    virtual bool heard_again() { return true; }
    /// Replace the player's list with this playlist or music file; false when
    /// the player did not take it (no player, or no answer), so that it can be
    /// handed over again later.
    virtual bool hand_over(const std::string& path) = 0;
    /// Close the player program.
    virtual void close() = 0;
    /// Called each second: keep up what the backend keeps beside the player
    /// (the Windows player's watcher). What the user is to be told of it,
    /// empty while all is well.
    virtual std::string look_after() { return {}; }

    /// Whether the player plays at other speeds than normal.
    virtual bool can_change_speed() const { return false; }
    /// Play at `percent` of normal speed, the pitch kept; false without an answer.
    virtual bool set_speed(int /*percent*/) { return false; }

    /// Whether the player hears tracks through the clarity aids.
    virtual bool has_clarity_aids() const { return false; }
    /// Hear the tracks through these aids from now on. Where no track plays
    /// they are built when one is loaded.
    virtual void set_aids(const ClarityAids& /*aids*/) {}
    /// The aids asked for, less any the player could not build.
    virtual ClarityAids aids_in_effect() const { return {}; }
    /// Whether the player plays a stretch of a track over and over.
    virtual bool can_loop() const { return false; }
    /// Play this stretch of the current track over and over, or none.
    virtual void set_loop(std::optional<LoopStretch> /*stretch*/) {}
    /// Whether it shows a video's subtitles from a file Cuedeck gives it.
    virtual bool shows_subtitles() const { return false; }
    /// Show these subtitles (SRT) over the current recording's picture, in
    /// place of those shown before; none: no more.
    virtual void show_subtitles(const std::optional<std::string>& /*srt*/) {}

    /// How the player is named in the message shown when it cannot be started:
    /// "Cannot find <name>" and "(<location>)".
    virtual std::string name() const = 0;
    virtual std::string location() const = 0;
    /// What the user is told when the player cannot be started.
    virtual std::string missing_message() const
    {
        return translated(UI_TEXT("Cannot find %1\n(%2)"), {name(), location()});
    }
    /// Why the player cannot be used at all, when the reason is not the
    /// player itself (say, an unsafe folder for its socket); shown instead.
    virtual std::string problem() const { return {}; }
};

} // namespace cuedeck
