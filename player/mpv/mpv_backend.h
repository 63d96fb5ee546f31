#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

#include "base/process.h"
#include "base/translation.h"
#include "player/mpv/unix_socket.h"
#include "player/player_backend.h"

namespace cuedeck {

class MpvProtocol;

/// Where the player lives: the socket it listens on, and the program line
/// that starts it (the socket and title options are added to it).
struct MpvLocation
{
    MpvLocation(std::string socket, std::vector<std::string> program_line, std::string why_not = {})
        : socket_path(std::move(socket)), program(std::move(program_line)),
          problem(std::move(why_not))
    {
    }

    std::string socket_path; ///< empty: no safe place for a socket, so no player
    std::vector<std::string> program;
    std::string problem; ///< why there is no socket path, for the user
};

/// mpv for a person: sound through the desktop, no window of its own for
/// audio (a video opens mpv's window as usual), listening on
/// <runtime dir>/cuedeck/mpv.sock (the runtime dir is $XDG_RUNTIME_DIR, else
/// /tmp/cuedeck-<uid>).
MpvLocation default_mpv_location();

/// The player's window-message vocabulary carried out by mpv over its JSON IPC
/// socket. What the window shows, mpv tells by itself (the properties it is
/// asked to observe), so a status asks nothing. A command asks what it needs
/// and waits for mpv at most `reply_budget`, so a hung player never freezes
/// the window for longer, and once it has let a call time out it is not
/// waited for again until it answers; a player whose socket closed is dead.
class MpvBackend : public PlayerBackend
{
public:
    static constexpr std::chrono::milliseconds reply_budget{500};
    /// How long mpv may take to answer whether it is there before a key:
    /// short, as it answers in well under a millisecond when it is.
    static constexpr std::chrono::milliseconds probe_budget{50};
    /// While it plays, mpv tells of its place many times a second. After this
    /// long without a word it is asked whether it is still there, and is
    /// taken for not answering when it has not said so as long again later.
    static constexpr std::chrono::milliseconds silence_allowance{1000};
    /// At most this many reads of what mpv told are taken in at one look, so
    /// a player that never stops talking cannot hold the window.
    static constexpr int most_reads_per_look = 16;
    /// How long a player of ours that did not confirm quit gets for each of
    /// SIGTERM and SIGKILL.
    static constexpr std::chrono::milliseconds quit_grace{1000};
    static constexpr const char* title_template =
        "${?media-title:${playlist-pos-1}. ${media-title} - }mpv";
    static constexpr int volume_step = 2;
    /// A seek this far or more before the length a recording's header gives
    /// that reaches its end finds the recording cut short.
    static constexpr int end_allowance_ms = 500;
    /// How closely the real end of a cut-short recording is looked for.
    static constexpr int real_end_precision_ms = 50;

    explicit MpvBackend(MpvLocation location);
    ~MpvBackend() override;

    bool find() override;
    bool start() override;
    void abandon_start() override;
    bool alive() override { return m_socket.is_open(); }
    void command(PlayerCommand command) override;
    std::optional<int> request(PlayerRequest request, int argument) override;
    std::string caption() override;
    std::optional<PlayerStatus> status() override;
    std::optional<int> told_position() override;
    std::optional<int> told_tip() override;
    bool answers_now() override;
    bool heard_again() override { return in_touch(); }
    int told_through() const override { return m_socket.descriptor(); }
    bool hand_over(const std::string& path) override;
    void close() override;
    bool can_change_speed() const override { return true; }
    bool set_speed(int percent) override;
    bool has_clarity_aids() const override { return true; }
    void set_aids(const ClarityAids& aids) override;
    ClarityAids aids_in_effect() const override { return m_aids; }
    bool can_loop() const override { return true; }
    void set_loop(std::optional<LoopStretch> stretch) override;
    bool shows_subtitles() const override { return true; }
    /// Written beside the socket, in the private runtime folder, and added
    /// to mpv's tracks of the current file.
    void show_subtitles(const std::optional<std::string>& srt) override;
    std::string name() const override { return "mpv"; }
    std::string location() const override { return "mpv"; }
    std::string problem() const override { return m_location.problem; }
    std::string missing_message() const override
    {
        return translated(UI_TEXT("%1 is not installed: install the package %1"), {name()});
    }

    /// The arguments start() runs, the file to open (if any) last.
    std::vector<std::string> start_arguments(const std::string& file = {}) const;

private:
    using Clock = std::chrono::steady_clock;
    class Budget;
    /// The calls in mpv's JSON, which stays in the backend's source files.
    class Calls;
    bool heard_from_since_timeout();
    /// Take in what mpv has said meanwhile, without waiting for more.
    void hear();
    void take_in(std::string_view bytes);
    /// Whether mpv is still there as far as can be told without waiting:
    /// heard from, or silent only where it has nothing to tell.
    bool in_touch();
    /// The status from what mpv told; none before it has told everything.
    std::optional<PlayerStatus> told_status();
    /// A value of the status as told, else the answer to `request`.
    std::optional<int> told_or_asked(PlayerRequest request, int PlayerStatus::*value);
    /// The status asked of mpv, in one round trip.
    std::optional<PlayerStatus> asked_status();
    /// The values a status is made of, however they were learned.
    struct Heard;
    PlayerStatus status_of(const Heard& heard);
    int answer_to(PlayerRequest request, int argument);
    int get_int(const std::string& property);
    int play_state();
    /// Wait until mpv plays the entry at `index`, or has found it cannot;
    /// `files_started` is its count of files begun before it was asked.
    void wait_until_loaded(int index, std::uint64_t files_started);
    void seek_to(int target_ms);
    /// Where a seek came to rest.
    enum class Landing {
        There,   ///< at its target
        AtEnd,   ///< at the end of the recording, which came before the target
        NotTold, ///< mpv did not say in time
    };
    /// Seek to `target_ms` and wait until the seek has ended.
    Landing seek_and_settle(int target_ms);
    /// Where the recording at `path` really ends, when a seek found it
    /// shorter than its header says.
    std::optional<int> real_end_of(const std::string& path) const;
    void skip(int step_ms);
    /// Where mpv says it is (`position_ms`), or where a paused player was put
    /// when it says nearly that.
    int reported_position(int position_ms, bool paused);
    /// To the entry `step` away from the selected one, if there is one.
    void change_track(int step);
    void stop();
    void play();
    void clear_playlist();
    /// Bring mpv's labelled filters to the aids asked for, where a track's
    /// sound plays (only then does mpv build, and so refuse, a filter).
    void build_aids();
    /// The volume keys: above 100 % while Louder is on, the Louder filter's
    /// gain goes on where mpv's volume stops.
    void change_volume(int step);
    /// Where the draft's subtitles are written for mpv.
    std::string draft_track_path() const { return m_location.socket_path + ".draft.srt"; }
    /// Add the draft's track again where mpv has loaded its recording anew
    /// (a go-to, a hand-over): a load starts with none of the tracks added
    /// before it.
    void keep_draft_track();

    MpvLocation m_location;
    UnixSocket m_socket;
    std::unique_ptr<MpvProtocol> m_protocol; ///< JSON stays out of this header
    std::int64_t m_next_id = 1;
    std::chrono::steady_clock::time_point m_deadline{};
    int m_budget_depth = 0;
    std::optional<StartedProgram> m_started; ///< the player we started, if we did
    std::optional<int> m_paused_at;          ///< where a paused player was put, in ms
    bool m_unresponsive = false;             ///< a request timed out and nothing was heard since
    bool m_missed = false;                   ///< a question of the current call went unanswered
    Clock::time_point m_heard_at{};          ///< when mpv last said anything
    Clock::time_point m_place_told_at{};     ///< when it last told of its place
    std::uint64_t m_places_told = 0;         ///< how often it had told of it then
    /// Whether mpv's place should be moving (playing, not seeking), as told,
    /// and the place it told when it began to: until it tells another, its
    /// output is still starting and the place is not run on.
    bool m_moving = false;
    int m_place_at_start_ms = 0;
    std::optional<Clock::time_point> m_asked_if_there; ///< a question unanswered since
    /// Asked to act since the last status: what mpv tells of the change may
    /// still be on its way, so the next status is asked.
    bool m_acted = false;
    ClarityAids m_aids; ///< asked for, less what mpv refused
    /// What our filters in mpv's list are; none when not known (a player just
    /// found may hold ours from an earlier run), or not yet built.
    std::optional<ClarityAids> m_built;
    int m_boost = 0; ///< percent above 100 % the volume is, while Louder is on
    /// The entry mpv could not play, put back and stopped at, and its file.
    struct Unplayable
    {
        int index = 0;
        std::string file;
    };
    std::optional<Unplayable> m_unplayable;
    /// The recording the draft's subtitles belong to, and how many loads mpv
    /// had told of when they were last looked for in its tracks.
    struct DraftTrack
    {
        std::string recording;
        std::uint64_t loads_seen = 0;
    };
    std::optional<DraftTrack> m_draft_track;
    /// Recordings found shorter than their headers say: where each ends, in ms.
    std::map<std::string, int> m_real_ends;
    static constexpr std::size_t most_real_ends = 1024;
};

} // namespace cuedeck
