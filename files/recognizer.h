#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuedeck {

/// Which recognizer Make Draft runs.
enum class RecognizerKind { None, PocketSphinx, WhisperCli, Command, Server };

/// The user's choice, as the settings keep it.
struct RecognizerChoice
{
    RecognizerKind kind = RecognizerKind::None;
    std::string model;    ///< whisper-cli's model file
    std::string language; ///< a language code ("en", "de"), or "auto"
    std::string command;  ///< the user's command template
    std::string server;   ///< the transcription server's address
    std::string key_file; ///< a file holding the server's access key, if it needs one
    int answer_s = 3600;  ///< how long the server may take to answer
};

/// One piece of recognition: where its audio is, where its output goes
/// (the recognizer adds its own extension), and the stretch it is of.
struct RecognizerJob
{
    std::string audio;
    std::string output_base;
    std::string language;
    int from_ms = 0;
    int length_ms = 0; ///< 0: to the tip's end
    /// The audio is the recording itself, not the stretch cut out of it
    /// (where there is no decoder): the stretch is asked of the recognizer,
    /// and the times it writes are the recording's.
    bool whole_recording = false;
};

namespace recognizer {

/// The placeholders a command template may hold, each in any word.
inline constexpr std::string_view audio_placeholder = "{audio}";
inline constexpr std::string_view output_placeholder = "{output}";
inline constexpr std::string_view language_placeholder = "{language}";
inline constexpr std::string_view start_placeholder = "{start_ms}";
inline constexpr std::string_view length_placeholder = "{length_ms}";

inline constexpr const char* pocketsphinx_program = "pocketsphinx_continuous";
inline constexpr const char* whisper_program = "whisper-cli";

/// How a command template is split into words: as a POSIX shell splits
/// it, or as a Windows program reads its command line, where a backslash is
/// a folder's separator.
enum class CommandSyntax { Posix, Windows };

/// The words of a command template as a shell splits them (blanks, single
/// and double quotes, backslashes) and nothing more: no variables, no
/// globs, no commands. With `CommandSyntax::Windows`, as the C runtime
/// (CommandLineToArgvW) splits a command line instead: blanks and double
/// quotes only, a backslash literal unless it comes before a quote. The
/// placeholders are then replaced inside each word, so that a file name
/// with blanks, quotes or `$( )` stays one argument. Nothing when a shell's
/// quotes are not closed or there is no word.
std::optional<std::vector<std::string>>
command_arguments(std::string_view command, const RecognizerJob& job,
                  CommandSyntax syntax = CommandSyntax::Posix);

/// The arguments that run `choice` on `job`; nothing for None or a template
/// that cannot be read.
std::optional<std::vector<std::string>> arguments(const RecognizerChoice& choice,
                                                  const RecognizerJob& job,
                                                  CommandSyntax syntax = CommandSyntax::Posix);

/// `arguments` as one Windows command line, each quoted as the C runtime
/// (CommandLineToArgvW) reads it back: a program sees them as they are.
std::string windows_command_line(const std::vector<std::string>& arguments);

/// Whether Windows runs `program` through cmd.exe: a .bat or .cmd file.
bool is_batch_file(std::string_view program);

/// The first character of `arguments` that cmd.exe reads even inside
/// quotes, so that no quoting passes it to a batch file as it is: '%' (a
/// variable's start), '"' (the quotes' end) or a control character (the
/// line's end). A control character is named by its code ("U+000A").
/// Empty when there is none.
std::string unsafe_for_batch(const std::vector<std::string>& arguments);

/// The command line of cmd.exe that runs the batch file `arguments[0]` with
/// the rest: each word in quotes, so that none of `& | < > ^ ( ) ! , ; =`
/// or a blank is read as a command, a redirection, an escape or a break
/// between arguments; no AutoRun, no delayed expansion. Only for arguments
/// with nothing unsafe_for_batch.
std::string batch_command_line(const std::vector<std::string>& arguments);

/// Whether the recognizer's standard output is its draft (PocketSphinx
/// prints it), rather than a file it writes at the output base.
bool draft_on_output(RecognizerKind kind);

/// A server's address as far as asking the user goes: its scheme, host and
/// port ("https://asr.example.org:8443"); nothing when it is not an http or
/// https address with a host.
struct ServerOrigin
{
    std::string scheme;
    std::string host;
    std::string port;
    std::string text() const;
    /// Whether the host is this machine (a loopback address or localhost).
    bool on_this_machine() const;
    bool encrypted() const { return scheme == "https"; }
};
std::optional<ServerOrigin> server_origin(std::string_view address);

/// The percentage a recognizer prints in a line of its output
/// ("progress = 42%", "42%|"); nothing when the line holds none.
std::optional<int> percent_in(std::string_view line);

} // namespace recognizer
} // namespace cuedeck
