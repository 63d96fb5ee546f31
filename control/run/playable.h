#pragma once

#include <optional>
#include <string>

#include "base/ui_text.h"
#include "files/playlist_format.h"
#include "system/system.h"

namespace cuedeck {

/// The chooser's filter for playlists.
/// The playlist chooser's filter: M3U lists first, then every kind the
/// player reads (files/playlist_format.h).
inline constexpr const char* playlist_filter =
    UI_TEXT("Playlist files (*.m3u)|*.m3u|All playlists (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||");
/// The chooser's filter for recordings (see is_recording_name).
inline constexpr const char* music_filter = UI_TEXT("Music files (*.mp3,*.wav)|*.mp3;*.wav||");

/// Why a file is no file to open, as a message says it ("no such file").
std::string describe(FileProblem problem);

/// Why a file cannot be handed to the player.
struct Unplayable
{
    FileProblem problem = FileProblem::None; ///< of the file itself; None when an entry is at fault
    std::string why;                         ///< in words, naming the entry and its line if one is
};

/// Why `path` cannot be handed to the player; nothing when it can.
///
/// Only local regular files reach the player. A playlist is read first, and
/// every entry it names must be one too (relative entries are read against
/// the playlist's folder, as players read them): a URL in a list would have
/// the player fetch it and tell its owner where the user is, and an entry
/// the player skips would shift every tip after it, so a list with any such
/// entry is refused whole.
std::optional<Unplayable> why_unplayable(System& system, const std::string& path);

/// `path` as it stands, or read against `folder` when it is relative.
std::string resolved_against(const std::string& folder, const std::string& path, char separator);

/// The recordings a playlist names, in order, each resolved against the
/// playlist's folder; none when it cannot be read. An entry that is not
/// where it names, but whose file name lies beside the playlist, leads there
/// (the list travelled with its recordings); why_unplayable reads it so too.
std::vector<std::string> playlist_recordings(System& system, const std::string& path);

/// The entries of the playlist at `path` that lead beside it although they
/// name another place, each with the file name it is found under.
std::vector<RenamedEntry> moved_entries(System& system, const std::string& path);

/// The playlist's text naming its moved entries where they were found, the
/// rest kept as it is; nothing when none moved or one cannot be so named.
std::optional<std::string> with_moved_entries_named(System& system, const std::string& path);

} // namespace cuedeck
