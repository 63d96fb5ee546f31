// The waveforms' worker: one recording at a time, from the cache or from
// the helper program, watched from a thread of its own. What it needs of
// the system is in waveform_helper_run.h.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "files/helper_messages.h"
#include "system/waveform_helper_run.h"
#include "system/waveforms.h"

namespace cuedeck {
namespace {

using Clock = std::chrono::steady_clock;

/// How often the waveform made so far is shown while the rest is decoded.
constexpr auto shown_every = std::chrono::milliseconds(100);
/// Complete waveforms kept in memory, the last asked for.
constexpr std::size_t kept_waveforms = 4;
using waveform::longest_ms;

/// A helper that has said nothing for this long has hung: it tells what it
/// made every tenth of a second while decoding.
constexpr auto hung_after = std::chrono::seconds(20);
/// What a helper may write for one recording: a day's levels, told in parts
/// and then whole, is under a third of it. More is no waveform.
constexpr std::size_t most_told_bytes = std::size_t{64} * 1024 * 1024;
/// Read from the helper at once, at most.
constexpr std::size_t read_at_once = std::size_t{64} * 1024;

std::shared_ptr<const Waveform> unmade(WaveformTrouble trouble)
{
    auto none = std::make_shared<Waveform>();
    none->complete = true;
    none->trouble = trouble;
    return none;
}

class HelperWaveforms final : public Waveforms
{
public:
    HelperWaveforms(std::string cache_folder, std::string helper)
        : m_cache_folder(std::move(cache_folder)), m_helper(std::move(helper))
    {
        m_worker = std::thread([this] { work(); });
    }
    ~HelperWaveforms() override
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_abandon = true;
        m_wake.notify_all();
        m_worker.join();
    }
    HelperWaveforms(const HelperWaveforms&) = delete;
    HelperWaveforms& operator=(const HelperWaveforms&) = delete;

    std::shared_ptr<const Waveform> waveform(const std::string& path, int near_ms) override
    {
        const std::lock_guard lock(m_mutex);
        if (path != m_last_asked) {
            // A tip opened (again): its recording may have been replaced on
            // disk since its waveform was made, or was still being copied.
            m_last_asked = path;
            m_to_check = path;
            m_wake.notify_all();
        }
        for (const Done& done : m_done) {
            if (done.key.path == path)
                return done.waveform;
        }
        if (const auto failed = m_failed.find(path); failed != m_failed.end())
            return failed->second.waveform;
        if (path != m_wanted) {
            m_wanted = path;
            m_near_ms = std::max(near_ms, 0);
            m_so_far = nullptr;
            m_abandon = true; // whatever was being made is for another recording
            m_wake.notify_all();
        }
        return path == m_wanted ? m_so_far : nullptr;
    }

private:
    struct Done
    {
        waveform::CacheKey key;
        std::shared_ptr<const Waveform> waveform;
    };

    void work()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock,
                        [this] { return m_stopping || !m_wanted.empty() || !m_to_check.empty(); });
            if (m_stopping)
                return;
            if (!m_to_check.empty()) {
                forget_if_changed(lock, std::exchange(m_to_check, {}));
                continue;
            }
            const std::string path = m_wanted;
            const int near_ms = m_near_ms;
            m_abandon = false;
            lock.unlock();
            const auto key = waveform_system::key_of(path);
            std::shared_ptr<const Waveform> made =
                key ? make(*key, near_ms) : unmade(WaveformTrouble::Unreadable);
            lock.lock();
            if (m_wanted != path || !made)
                continue; // asked for another meanwhile
            m_wanted.clear();
            if (made->trouble == WaveformTrouble::None) {
                m_done.push_front({*key, std::move(made)});
                if (m_done.size() > kept_waveforms)
                    m_done.pop_back();
            } else if (!m_stopping) {
                m_failed[path] = {key, std::move(made)};
            }
            m_so_far = nullptr;
        }
    }

    /// Drop what was made of the recording at `path` when its size or time
    /// differs from what it was made of: it is made again when next asked.
    void forget_if_changed(std::unique_lock<std::mutex>& lock, const std::string& path)
    {
        lock.unlock();
        const auto now = waveform_system::key_of(path);
        lock.lock();
        std::erase_if(m_done,
                      [&](const Done& done) { return done.key.path == path && now != done.key; });
        if (const auto failed = m_failed.find(path);
            failed != m_failed.end() && failed->second.key != now)
            m_failed.erase(failed);
    }

    void show_so_far(const std::string& path, const Waveform& so_far)
    {
        auto snapshot = std::make_shared<const Waveform>(so_far);
        const std::lock_guard lock(m_mutex);
        if (m_wanted == path)
            m_so_far = std::move(snapshot);
    }

    std::shared_ptr<const Waveform> from_cache(const waveform::CacheKey& key) const
    {
        if (m_cache_folder.empty())
            return nullptr;
        // Only a regular file, read without waiting and no larger than the
        // largest waveform: a folder, a pipe, a device or a damaged giant
        // in its place is made again, and written over.
        const auto file =
            waveform_system::read_cache_file(m_cache_folder + waveform::cache_file_name(key.path),
                                             waveform::largest_cache_file(key.path));
        if (!file)
            return nullptr;
        auto levels = waveform::decode(*file, key);
        if (!levels)
            return nullptr; // made again, and written over
        auto made = std::make_shared<Waveform>();
        made->levels = std::move(*levels);
        made->complete = true;
        made->pauses = waveform::find_pauses(made->levels);
        return made;
    }

    /// The waveform of `key` from the cache, else from the helper; nothing
    /// when abandoned for another recording.
    std::shared_ptr<const Waveform> make(const waveform::CacheKey& key, int near_ms)
    {
        const std::string& path = key.path;
        if (auto cached = from_cache(key))
            return cached;
        if (m_helper.empty())
            return unmade(WaveformTrouble::HelperMissing);
        auto helper =
            waveform_system::start_helper(m_helper, {"waveform", path, std::to_string(near_ms)});
        if (!helper)
            return unmade(WaveformTrouble::HelperMissing);
        Waveform made;
        helper::MessageReader reader(longest_ms / waveform::stretch_ms);
        bool done = false;
        bool unreadable = false;
        auto last_heard = Clock::now();
        auto last_shown = Clock::now();
        std::size_t told = 0;
        std::string bytes(read_at_once, '\0');
        for (;;) {
            if (m_abandon)
                return nullptr; // the helper is ended as it goes
            std::size_t got = 0;
            const auto heard = helper->read(bytes, got);
            if (heard == waveform_system::HelperRun::Heard::Closed)
                break;
            if (heard == waveform_system::HelperRun::Heard::Failed)
                return unmade(WaveformTrouble::HelperCrashed);
            if (heard == waveform_system::HelperRun::Heard::Nothing &&
                Clock::now() - last_heard > hung_after)
                return unmade(WaveformTrouble::HelperHung);
            if (got > 0) {
                last_heard = Clock::now();
                told += got;
                if (told > most_told_bytes)
                    return unmade(WaveformTrouble::HelperGarbage);
                for (helper::Message& message : reader.take(std::string_view(bytes.data(), got)))
                    done = take(made, std::move(message), unreadable) || done;
            }
            if (reader.broken())
                return unmade(WaveformTrouble::HelperGarbage);
            if (!done && Clock::now() - last_shown >= shown_every) {
                show_so_far(path, made);
                last_shown = Clock::now();
            }
        }
        const auto ended = helper->finish();
        if (unreadable)
            return unmade(WaveformTrouble::Unreadable);
        if (ended.crashed)
            return unmade(WaveformTrouble::HelperCrashed);
        // The helper says "done" or "failed" before it ends by itself: one
        // that closed its output in whole messages without either, and may
        // have been killed, was ended from outside (a kill, Task Manager).
        if (!done)
            return unmade(ended.killed ? WaveformTrouble::HelperStopped
                                       : WaveformTrouble::HelperGarbage);
        if (ended.code != 0 || made.levels.empty() ||
            std::find(made.levels.begin(), made.levels.end(), 0) != made.levels.end())
            return unmade(WaveformTrouble::HelperGarbage);
        made.complete = true;
        made.pauses = waveform::find_pauses(made.levels);
        keep_in_cache(key, made.levels);
        return std::make_shared<const Waveform>(std::move(made));
    }

    /// Take a helper's message into what is made so far; true when it is
    /// the complete waveform.
    static bool take(Waveform& made, helper::Message message, bool& unreadable)
    {
        using Kind = helper::Message::Kind;
        if (message.kind == Kind::Size && made.levels.empty()) {
            made.levels.assign(static_cast<std::size_t>(message.number), 0);
        } else if (message.kind == Kind::Levels) {
            const auto to = static_cast<std::size_t>(message.from + message.number);
            if (made.levels.size() < to)
                made.levels.resize(to, 0);
            std::copy(message.bytes.begin(), message.bytes.end(),
                      made.levels.begin() + static_cast<std::ptrdiff_t>(message.from));
        } else if (message.kind == Kind::Done) {
            made.levels.assign(message.bytes.begin(), message.bytes.end());
            return true;
        } else if (message.kind == Kind::Failed) {
            unreadable = true;
        }
        return false;
    }

    void keep_in_cache(const waveform::CacheKey& key, const std::vector<std::uint8_t>& levels)
    {
        if (!m_cache_folder.empty())
            waveform_system::write_cache_file(m_cache_folder,
                                              m_cache_folder + waveform::cache_file_name(key.path),
                                              waveform::encode(key, levels));
    }

    const std::string m_cache_folder;
    const std::string m_helper;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::string m_wanted; ///< the recording being made
    int m_near_ms = 0;
    std::shared_ptr<const Waveform> m_so_far; ///< of m_wanted
    std::string m_last_asked;
    std::string m_to_check; ///< a recording to compare with what was made of it
    std::deque<Done> m_done;
    struct Failed
    {
        std::optional<waveform::CacheKey> key; ///< the recording as it was then
        std::shared_ptr<const Waveform> waveform;
    };
    /// What could not be made, and why.
    std::map<std::string, Failed> m_failed;
    bool m_stopping = false;
    std::atomic<bool> m_abandon = false;
    std::thread m_worker;
};

} // namespace

std::unique_ptr<Waveforms> decoded_waveforms(const std::string& cache_folder,
                                             const std::string& helper)
{
    return std::make_unique<HelperWaveforms>(cache_folder, helper);
}

} // namespace cuedeck
