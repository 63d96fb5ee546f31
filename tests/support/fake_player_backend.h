#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "player/player_backend.h"

namespace cuedeck {

/// A scripted stand-in for the player, for tests.
///
/// It records every command and request it is sent, in order, by what it
/// asks ("Pause", "Position", "JumpTo 7000", "caption", "hand_over <path>") and
/// answers from a small model of a player, so tests can assert the exact
/// traffic of each controller command and the state it leaves behind.
class FakePlayerBackend : public PlayerBackend
{
public:
    struct Model
    {
        int play_state = 0;
        int playlist_length = 0;
        int playlist_index = 0;
        int position_ms = 0;
        int track_length_s = 0;
        int volume = 50;
        std::string caption;
        std::string loaded; ///< the last file handed over
        int speed = 100;    ///< percent
        bool no_sound_device = false;
        std::string file{}; ///< the current entry's path, as mpv reports it
    };

    explicit FakePlayerBackend(bool changes_speed = false) : speeds(changes_speed) {}

    Model model;
    /// Entries of each playlist file handed over; any other file is a list of one.
    std::map<std::string, int> list_lengths;

    bool running = true; ///< find() succeeds
    bool start_succeeds = true;
    int appears_after_looks = -1; ///< after start(), find() succeeds from this look on; -1 never
    bool is_alive = true;
    /// Hung: every call is recorded, none is carried out or answered.
    bool silent = false;
    /// Changes speed, has the clarity aids and loops, as mpv does; the
    /// Windows player does none of these.
    bool speeds = false;
    /// Aids it cannot build (they stay off).
    std::vector<Aid> refused_aids;
    ClarityAids aids;
    std::optional<LoopStretch> loop;

    /// Every call in order.
    std::vector<std::string> log;
    /// Also told of every call, to interleave it with other fakes' events.
    std::function<void(const std::string&)> on_event;

    /// The log without the discovery calls (find, start, abandon_start).
    std::vector<std::string> traffic() const;
    void clear_log() { log.clear(); }

    bool find() override;
    bool start() override;
    void abandon_start() override;
    bool alive() override { return is_alive; }
    bool answers_now() override { return !silent; }
    bool heard_again() override { return !silent; }
    void command(PlayerCommand command) override;
    std::optional<int> request(PlayerRequest request, int argument) override;
    std::string caption() override;
    std::optional<PlayerStatus> status() override
    {
        auto status = PlayerBackend::status();
        if (status)
            status->no_sound_device = model.no_sound_device;
        if (status)
            status->file = model.file;
        return status;
    }
    bool hand_over(const std::string& path) override;
    void close() override;
    bool can_change_speed() const override { return speeds; }
    bool set_speed(int percent) override;
    bool has_clarity_aids() const override { return speeds; }
    void set_aids(const ClarityAids& wanted) override;
    ClarityAids aids_in_effect() const override { return aids; }
    bool can_loop() const override { return speeds; }
    void set_loop(std::optional<LoopStretch> stretch) override;
    bool shows_subtitles() const override { return speeds; }
    void show_subtitles(const std::optional<std::string>& srt) override { subtitles = srt; }
    std::optional<std::string> subtitles; ///< as last given
    std::string name() const override { return "Fake Player"; }
    std::string location() const override { return "fake/player"; }

private:
    void record(std::string event);
    bool m_started = false;
    int m_looks_since_start = 0;
};

} // namespace cuedeck
