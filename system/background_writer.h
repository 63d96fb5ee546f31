#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "system/system.h"

namespace cuedeck {

/// Files replaced from a thread of their own, so that a slow or full disk
/// never holds up the window: replace_later() returns at once. A file's
/// newer contents take the place of any not yet written, and no file is
/// written more often than once each `gap`.
class BackgroundWriter
{
public:
    /// How a file is replaced (all or nothing, on the disk when it returns).
    using Replace = std::function<Written(const std::string& path, const std::string& contents)>;
    static constexpr std::chrono::milliseconds default_gap{1000};
    /// How long the end of a run waits for a write under way.
    static constexpr std::chrono::milliseconds finish_wait{3000};

    explicit BackgroundWriter(Replace replace, std::chrono::milliseconds gap = default_gap);
    /// Writes what still waits and returns once it is written, or after
    /// finish_wait when the disk does not answer (the write is then left to
    /// finish by itself).
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    void replace_later(const std::string& path, std::string contents);
    /// Forget what waits for `path`, and wait at most `wait` for a write of
    /// it under way to finish; true when none is under way any more.
    bool settle(const std::string& path, std::chrono::milliseconds wait);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared; ///< also held by the thread, which may outlive us
};

} // namespace cuedeck
