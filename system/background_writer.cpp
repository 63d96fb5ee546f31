#include "system/background_writer.h"

#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <set>
#include <thread>

namespace cuedeck {

using Clock = std::chrono::steady_clock;

struct BackgroundWriter::Shared
{
    Replace replace;
    std::chrono::milliseconds gap;
    std::mutex mutex;
    std::condition_variable changed;
    std::map<std::string, std::string> waiting;
    std::map<std::string, Clock::time_point> next_allowed;
    std::string writing;        ///< the path under way; empty when none
    std::set<std::string> told; ///< paths whose failure has been named
    bool started = false;
    bool stopping = false;
    bool done = false;

    /// The thread's loop: the next file whose gap has passed, one at a time.
    void run()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            if (waiting.empty()) {
                if (stopping)
                    break;
                changed.wait(lock);
                continue;
            }
            // The file that may be written soonest; all of them at the end.
            auto next = waiting.begin();
            Clock::time_point when = Clock::time_point::min();
            for (auto entry = waiting.begin(); entry != waiting.end(); ++entry) {
                const auto allowed = next_allowed.find(entry->first);
                const Clock::time_point at =
                    allowed == next_allowed.end() ? Clock::time_point::min() : allowed->second;
                if (entry == waiting.begin() || at < when) {
                    next = entry;
                    when = at;
                }
            }
            if (!stopping && when > Clock::now()) {
                changed.wait_until(lock, when);
                continue;
            }
            const std::string path = next->first;
            const std::string contents = std::move(next->second);
            waiting.erase(next);
            writing = path;
            next_allowed[path] = Clock::now() + gap;
            lock.unlock();
            const Written written = replace(path, contents);
            lock.lock();
            writing.clear();
            // Said once a path: a journal that cannot be kept must not
            // fill the terminal every second.
            if (!written && told.insert(path).second)
                std::fprintf(stderr, "cuedeck: cannot write %s: %s\n", path.c_str(),
                             written.failure.c_str());
            else if (written)
                told.erase(path);
            changed.notify_all();
        }
        done = true;
        changed.notify_all();
    }
};

BackgroundWriter::BackgroundWriter(Replace replace, std::chrono::milliseconds gap)
    : m_shared(std::make_shared<Shared>())
{
    m_shared->replace = std::move(replace);
    m_shared->gap = gap;
}

BackgroundWriter::~BackgroundWriter()
{
    std::unique_lock lock(m_shared->mutex);
    if (!m_shared->started)
        return;
    m_shared->stopping = true;
    m_shared->changed.notify_all();
    m_shared->changed.wait_for(lock, finish_wait, [this] { return m_shared->done; });
}

void BackgroundWriter::replace_later(const std::string& path, std::string contents)
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->waiting[path] = std::move(contents);
    if (!m_shared->started) {
        m_shared->started = true;
        // Detached and holding the shared state: a disk that never answers
        // keeps the thread, never the end of the run.
        std::thread([shared = m_shared] { shared->run(); }).detach();
    }
    m_shared->changed.notify_all();
}

bool BackgroundWriter::settle(const std::string& path, std::chrono::milliseconds wait)
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->waiting.erase(path);
    return m_shared->changed.wait_for(lock, wait,
                                      [this, &path] { return m_shared->writing != path; });
}

} // namespace cuedeck
