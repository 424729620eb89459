// Playlists come from anywhere: every byte string must give a bounded list
// of bounded entries, and resolving an entry never loses it.

#include "FuzzCheck.h"
#include "formats/Playlists.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = rw::fuzz::TextOf(data, size);
    const rw::PlaylistKind kinds[] = {rw::PlaylistKind::M3u, rw::PlaylistKind::Pls,
                                      rw::PlaylistKind::Qtl, rw::PlaylistKind::Smil};
    for (const char* name : {"a.m3u", "a.pls", "a.qtl", "a.smi", "a.mov"}) {
        (void)rw::PlaylistKindOf(name, text);
    }
    for (const auto kind : kinds) {
        const auto entries = rw::ReadPlaylist(kind, text, {"en-GB", "en"});
        FUZZ_CHECK(entries.size() <= rw::kMaxPlaylistEntries);
        for (const auto& entry : entries) {
            FUZZ_CHECK(!entry.empty() && entry.size() <= rw::kMaxEntryBytes);
            const auto resolved = rw::ResolveEntry(entry, "/lists");
            FUZZ_CHECK(rw::fuzz::EndsWith(resolved, entry) || resolved.size() < entry.size() + 8);
            // With no file to be found, an entry is taken as it is written.
            FUZZ_CHECK(rw::FindEntry(entry, "/lists", true,
                                     [](const std::string&) { return false; }) == resolved);
        }
    }
    return 0;
}
