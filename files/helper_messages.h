#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cuedeck::helper {

/// What Cuedeck's helper program tells Cuedeck on its output: one line per
/// message, a word and numbers, and for levels their bytes after the line.
///
///     size <count>                the levels' count, as the container says
///     levels <from> <count>       <count> level bytes from stretch <from>
///     done <count>                the complete levels, <count> bytes
///     heard <ms>                  how far into the audio the work has come
///     percent <0..100>            the recognizer's own count
///     failed <trouble>            why nothing came of it (a Trouble's word)
///     made                        the work's file is written
struct Message
{
    enum class Kind { Size, Levels, Done, Heard, Percent, Failed, Made };
    Kind kind = Kind::Made;
    std::int64_t from = 0;
    std::int64_t number = 0; ///< the count, the milliseconds or the percentage
    std::string bytes;       ///< the levels; the trouble's word
};

/// Why a helper's work came to nothing.
enum class Trouble {
    Unreadable,   ///< the recording cannot be decoded
    TooLong,      ///< longer than a day
    Unwritable,   ///< its file could not be written
    NotInstalled, ///< the recognizer is not there
    ModelMissing, ///< its model file is not there
    Failed,       ///< the recognizer ended with an error
    Refused,      ///< the server said no
    NoAnswer,     ///< the server did not answer in time
    TooMuch,      ///< its output is larger than any draft
    KeyMissing,   ///< the access key's file cannot be read
    KeyExposed,   ///< the access key's file can be read by others
    NoServer,     ///< the server's address is not an http or https one
    /// A batch file's arguments hold a character cmd.exe would read itself.
    UnsafeForBatch,
};
std::string_view word_of(Trouble trouble);

/// The line (and bytes) of a message, as the helper writes it.
std::string encode(const Message& message);
std::string failed(Trouble trouble);

/// Reads messages from bytes as they come, in any pieces. Bounded: a line
/// longer than a message's, levels beyond `largest_count`, or anything not a
/// message makes it `broken()`, and it takes no more.
class MessageReader
{
public:
    explicit MessageReader(std::int64_t largest_count) : m_largest(largest_count) {}
    /// The messages completed by `bytes`, in order.
    std::vector<Message> take(std::string_view bytes);
    bool broken() const { return m_broken; }

private:
    bool parse_line(std::string_view line, std::vector<Message>& out);
    std::int64_t m_largest;
    std::string m_line;
    Message m_pending;        ///< levels waiting for their bytes
    std::size_t m_wanted = 0; ///< bytes still to come for m_pending
    bool m_in_bytes = false;
    bool m_broken = false;
};

} // namespace cuedeck::helper
