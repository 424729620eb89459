#pragma once

// The XML playlists: QuickTime Media Links and SMIL presentations. Used by
// ReadPlaylist (Playlists.h), which hands these text already in UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace rw {

// The src of every <embed> element, in document order.
std::vector<std::string> ReadEmbedSources(std::string_view text);

// The src of SMIL's media elements (video, audio, img, ref, animation and
// media) in document order, as a SMIL player would choose them: of a
// <switch>, only its first alternative that plays (whose test attributes
// pass and that holds a media element); an element whose test attributes
// fail is left out with all it holds. Of the tests, systemLanguage passes
// when one of `languages` (the user's, as "pt-BR" or "pt") matches one it
// names, systemRequired only when it names nothing (the player supports no
// extension); the others (bit rate, screen size, captions) pass.
std::vector<std::string> ReadSmil(std::string_view text, const std::vector<std::string>& languages);

}  // namespace rw
