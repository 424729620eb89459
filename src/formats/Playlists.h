#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rw {

// Playlists and presentations are read here rather than by libmpv, which
// would queue their entries past the player's checks on references. The
// reader only lists entries; the player decides which of them may play.
enum class PlaylistKind {
    M3u,   // one entry a line, "#" lines are comments (not an HLS stream)
    Pls,   // "[playlist]" with FileN= lines
    Qtl,   // QuickTime Media Link (XML, <embed src=...>) or "RTSPtext" lines
    Smil,  // a presentation with an <smil> root; its media elements in order
};

// Text longer than this is not read as a playlist at all.
inline constexpr std::size_t kMaxPlaylistBytes = 1024 * 1024;
// At most this many entries are listed; later ones are dropped.
inline constexpr std::size_t kMaxPlaylistEntries = 256;
// An entry longer than this is dropped.
inline constexpr std::size_t kMaxEntryBytes = 8192;

// What kind of playlist a file is, from its name and its first bytes (a few
// KiB are enough). Nothing for a movie, an HLS stream (an .m3u8 with
// #EXT-X- tags, which libmpv streams itself) or a SAMI subtitle file.
std::optional<PlaylistKind> PlaylistKindOf(std::string_view fileName, std::string_view head);

// The entries of a playlist as they are written, in order: XML entities
// decoded, surrounding blanks removed; of a SMIL <switch>, only the
// alternative it plays (see ReadSmil in Smil.h), `languages` being the
// user's ("pt-BR", "pt"). Text in UTF-16 with a byte order mark (either
// order) is read as its UTF-8 form, here and by PlaylistKindOf; other text
// keeps its bytes. Empty for text over the size limit.
std::vector<std::string> ReadPlaylist(PlaylistKind kind, std::string_view text,
                                      const std::vector<std::string>& languages = {});

// An entry as a reference: URLs ("scheme://...") and absolute paths as they
// are, a relative path joined to the playlist's folder. Empty for an empty
// entry.
std::string ResolveEntry(std::string_view entry, std::string_view folder);

// Whether a playlist's entries may be in Latin-1: those of an .m3u file, as
// older programs wrote them in the system's 8-bit encoding (an .m3u8 is
// UTF-8 by its name).
bool MayHoldLatin1(PlaylistKind kind, std::string_view fileName);

// An entry as a reference (as ResolveEntry makes it), found as a program of
// another system may have meant it when no file of its name as written
// exists: a path with back slashes (written on Windows) with slashes, and,
// when `latin1` allows, a path that is not UTF-8 read as Latin-1 (as
// Windows-1252, which puts printable characters where Latin-1 has control
// codes). On Linux a file name is bytes and a back slash an ordinary
// character, so the name as written comes first; the first reading whose
// path `exists` wins, and with none the entry as written. URLs are taken as
// they are.
std::string FindEntry(std::string_view entry, std::string_view folder, bool latin1,
                      const std::function<bool(const std::string& path)>& exists);

}  // namespace rw
