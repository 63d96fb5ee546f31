#pragma once

#include <memory>
#include <string>

#include "files/waveform.h"

namespace cuedeck {

/// The waveforms of recordings, made away from the caller's thread.
class Waveforms
{
public:
    virtual ~Waveforms() = default;
    /// What is ready of the waveform of the recording at `path`; nothing
    /// while none of it is; a complete one without levels when it cannot be
    /// decoded. Asking begins it, from
    /// `near_ms` outwards, or ends one begun for another recording. Returns
    /// at once; a snapshot that stays as it was, to read from any thread.
    virtual std::shared_ptr<const Waveform> waveform(const std::string& path, int near_ms) = 0;
};

/// Decoded by the `helper` program, one start per recording, watched from a
/// thread of its own; kept in `cache_folder` (none when empty or unwritable).
/// A helper that is missing, crashes, hangs or writes garbage costs that
/// recording its waveform (complete, without levels, with its trouble).
std::unique_ptr<Waveforms> decoded_waveforms(const std::string& cache_folder,
                                             const std::string& helper);

/// The helper program beside this one (in the build), or where it is
/// installed relative to it; empty when there is none.
std::string helper_program();

/// `$XDG_CACHE_HOME/cuedeck`, or `~/.cache/cuedeck`; empty when neither is known.
std::string waveform_cache_folder();

} // namespace cuedeck
