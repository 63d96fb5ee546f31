#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "files/helper_messages.h"
#include "files/recognizer.h"

namespace cuedeck {

/// A draft being made: what a recognizer is asked for.
struct RecognitionRequest
{
    std::string recording;
    RecognizerChoice choice;
    int from_ms = 0;
    int length_ms = 0; ///< 0: the whole tip
};

/// How far a recognition has come, and what came of it once finished.
struct RecognitionState
{
    bool finished = false;
    int percent = -1;  ///< the recognizer's own count, when it prints one
    int heard_ms = -1; ///< else how much of the audio is ready
    std::optional<helper::Trouble> trouble;
    std::string error_lines; ///< the last lines of its error output, when it failed
    std::string output;      ///< the draft's bytes, when it did not
    /// The draft's times are the recording's, not the stretch's (see
    /// RecognizerJob::whole_recording).
    bool times_of_recording = false;
    /// With Trouble::UnsafeForBatch: the character refused.
    std::string refused{};
};

/// What a recognition's worker thread tells the window's thread, under a lock.
class RecognitionProgress
{
public:
    RecognitionState now() const
    {
        const std::lock_guard lock(m_mutex);
        return m_state;
    }
    /// Change it as `change(RecognitionState&)` does.
    template <typename Change> void update(Change change)
    {
        const std::lock_guard lock(m_mutex);
        change(m_state);
    }
    /// Finished, with its trouble or its draft's bytes, and the last lines
    /// of the recognizer's error output.
    void finish(std::optional<helper::Trouble> trouble, std::string output, std::string errors)
    {
        update([&](RecognitionState& state) {
            state.finished = true;
            state.trouble = trouble;
            state.output = std::move(output);
            state.error_lines = std::move(errors);
        });
    }

private:
    mutable std::mutex m_mutex;
    RecognitionState m_state;
};

/// One recognition running in processes of its own, at a lower priority.
/// Destroying it cancels it: its processes are ended and its files removed.
class Recognition
{
public:
    virtual ~Recognition() = default;
    virtual RecognitionState state() const = 0;
};

/// Where recognitions run.
class Recognizers
{
public:
    virtual ~Recognizers() = default;
    /// Whether the recognizer of `kind` is installed, as far as can be told.
    virtual bool installed(RecognizerKind kind) const = 0;
    virtual std::unique_ptr<Recognition> start(const RecognitionRequest& request) = 0;
};

/// Recognitions run by the `helper` program (see helper_program()).
std::unique_ptr<Recognizers> helper_recognizers(const std::string& helper);

/// Recognitions on Windows: whisper-cli or a command given the recording
/// itself (there is no decoder to cut a stretch out of it).
std::unique_ptr<Recognizers> windows_recognizers();

} // namespace cuedeck
