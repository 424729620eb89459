#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "formats/Playlists.h"

namespace rw {
namespace {

using Kind = PlaylistKind;

// Text in UTF-16 with its byte order mark, little-endian or big-endian.
std::string Utf16(std::u16string_view text, bool little = true) {
    std::string out = little ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        out += little ? low : high;
        out += little ? high : low;
    }
    return out;
}

struct KindCase {
    const char* name;
    std::string head;
    std::optional<Kind> kind;
};

class PlaylistKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(PlaylistKindTest, TellsPlaylistsFromMovies) {
    EXPECT_EQ(PlaylistKindOf(GetParam().name, GetParam().head), GetParam().kind)
        << GetParam().name << ": " << GetParam().head;
}

const KindCase kKinds[] = {
    {"a.m3u", "#EXTM3U\n#EXTINF:1,x\nclip.mp4\n", Kind::M3u},
    {"a.m3u", "clip.mp4\n", Kind::M3u},
    {"a.M3U8", "clip.mp4\n", Kind::M3u},
    {"a.txt", "\xEF\xBB\xBF#EXTM3U\nclip.mp4\n", Kind::M3u},
    {"a.mov", "  #extm3u\nclip.mp4\n", Kind::M3u},
    {"live.m3u8", "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:10\nseg0.ts\n", std::nullopt},
    {"live.m3u", "#EXT-X-TARGETDURATION:10\nseg0.ts\n", std::nullopt},
    {"a.pls", "[playlist]\nFile1=a.mp3\n", Kind::Pls},
    {"a.bin", "[Playlist]\nFile1=a.mp3\n", Kind::Pls},
    {"a.pls", "", Kind::Pls},
    {"a.qtl", "RTSPtext rtsp://host/v.mp4\n", Kind::Qtl},
    {"a.mov", "RTSPtext rtsp://host/v.mp4\n", Kind::Qtl},
    {"a.qtl",
     "<?xml version=\"1.0\"?><?quicktime type=\"application/x-quicktime-media-link\"?>"
     "<embed src=\"a.mov\"/>",
     Kind::Qtl},
    {"a.xml", "<?quicktime type=\"application/x-quicktime-media-link\"?><embed src=\"a\"/>",
     Kind::Qtl},
    {"a.qtl", "<embed src=\"a.mov\"/>", Kind::Qtl},
    {"a.smi", "<?xml version=\"1.0\"?>\n<smil><body><video src=\"a.mp4\"/></body></smil>",
     Kind::Smil},
    {"a.smil", "<!DOCTYPE smil><SMIL xmlns=\"x\">", Kind::Smil},
    {"a.smi", "<SAMI><HEAD><TITLE>x</TITLE></HEAD></SAMI>", std::nullopt},
    {"a.smil", "<html><smil>", std::nullopt},
    {"a.mp4",
     "\x00\x00\x00\x18"
     "ftypmp42",
     std::nullopt},
    {"a.mov", "", std::nullopt},
    {"a.m3u.mp4", "clip.mp4\n", std::nullopt},
    {"a.txt", Utf16(u"#EXTM3U\r\nclip.mp4\r\n"), Kind::M3u},
    {"a.bin", Utf16(u"[playlist]\r\nFile1=a.mp3\r\n", false), Kind::Pls},
    {"a.smi", Utf16(u"<?xml version=\"1.0\"?><smil>"), Kind::Smil},
    {"live.m3u8", Utf16(u"#EXTM3U\n#EXT-X-TARGETDURATION:10\n"), std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Kinds, PlaylistKindTest, testing::ValuesIn(kKinds));

struct ReadCase {
    Kind kind;
    std::string text;
    std::vector<std::string> entries;
};

class ReadPlaylistTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadPlaylistTest, ListsEntriesInOrder) {
    EXPECT_EQ(ReadPlaylist(GetParam().kind, GetParam().text), GetParam().entries)
        << GetParam().text;
}

using V = std::vector<std::string>;
const ReadCase kReads[] = {
    {Kind::M3u, "#EXTM3U\n#EXTINF:1,One\none.mp4\n\n  two.mp4  \r\n#c\nthree.mp3",
     V{"one.mp4", "two.mp4", "three.mp3"}},
    {Kind::M3u, "a.mp4\rb.mp4\r", V{"a.mp4", "b.mp4"}},
    {Kind::M3u,
     "\xEF\xBB\xBF"
     "a.mp4",
     V{"a.mp4"}},
    {Kind::M3u, "#EXTM3U\n# only comments\n", V{}},
    {Kind::M3u, "", V{}},
    {Kind::M3u, "file:///m/a%20b.mp4\nhttp://h/s\nav://lavfi:x\n",
     V{"file:///m/a%20b.mp4", "http://h/s", "av://lavfi:x"}},
    {Kind::Pls, "[playlist]\nFile1=a.mp3\nTitle1=A\nFile2 = b.mp3\nNumberOfEntries=2\n",
     V{"a.mp3", "b.mp3"}},
    {Kind::Pls, "[playlist]\nfile3=c.mp3\nFileX=x.mp3\nFile=y.mp3\nFiles1=z\nFile4\n", V{"c.mp3"}},
    {Kind::Pls, "[playlist]\nFile1=\n", V{}},
    {Kind::Qtl, "RTSPtext rtsp://host.org/video.mp4\n", V{"rtsp://host.org/video.mp4"}},
    {Kind::Qtl, "RTSPtext\r\nrtsp://h/v.mp4\r\n", V{"rtsp://h/v.mp4"}},
    {Kind::Qtl,
     "<?xml?><?quicktime type=\"application/x-quicktime-media-link\"?>\n<embed autoplay=\"true\" "
     "src=\"a&amp;b.mov\" />",
     V{"a&b.mov"}},
    {Kind::Qtl, "<embed xsrc=\"no.mov\" src='yes.mov'/>", V{"yes.mov"}},
    {Kind::Qtl, "<embed src = \"spaced.mov\">", V{"spaced.mov"}},
    {Kind::Qtl, "<embed src=\"unterminated.mov/>", V{}},
    {Kind::Qtl, "<embedded src=\"no.mov\"/>", V{}},
    {Kind::Smil,
     "<smil><body><seq><video src=\"a.mp4\"/><audio src=\"b.mp3\"/><img src=\"c.png\"/><text "
     "src=\"t.txt\"/><ref src=\"d.mov\"/></seq></body></smil>",
     V{"a.mp4", "b.mp3", "c.png", "d.mov"}},
    {Kind::Smil, "<smil><!-- <video src=\"hidden.mp4\"/> --><video src=\"shown.mp4\"/></smil>",
     V{"shown.mp4"}},
    {Kind::Smil,
     "<smil><video src=\"&#x41;&#66;&lt;&gt;&quot;&apos;&bogus;&#0;&#xD800;.mp4\"/></smil>",
     V{"AB<>\"'&bogus;&#0;&#xD800;.mp4"}},
    {Kind::Smil, "<smil><video src=\"&#233;.mp4\"/></smil>", V{"\xC3\xA9.mp4"}},
    {Kind::Smil, "<smil><video src=\"a.mp4\"", V{}},
    {Kind::Smil, "<smil><!-- never closed <video src=\"a.mp4\"/>", V{}},
    {Kind::Smil, "<smil><par><media src=\"a.mp4\"/><MEDIA src='b.mov'/><mediax src=\"c\"/></par>",
     V{"a.mp4", "b.mov"}},
    // Saved as UTF-16, as some programs write playlists; comments stay
    // comments and the entries come out in UTF-8.
    {Kind::M3u, Utf16(u"#EXTM3U\r\n\t\t#EXTINF:-1,A, b\r\nhttp://h/\u00e9t\u00e9.mp3\r\n"),
     V{"http://h/\xC3\xA9t\xC3\xA9.mp3"}},
    {Kind::M3u, Utf16(u"one.mp4\ntwo.mp4", false), V{"one.mp4", "two.mp4"}},
    {Kind::Pls, Utf16(u"[playlist]\r\nFile1=a.mp3\r\nNumberOfEntries=1\r\n", false), V{"a.mp3"}},
    {Kind::Smil, Utf16(u"<smil><media src=\"a.mp4\"/></smil>"), V{"a.mp4"}},
    {Kind::M3u, Utf16(u"\U0001F3AC.mp4"), V{"\xF0\x9F\x8E\xAC.mp4"}},
    {Kind::M3u,
     Utf16(u"a\xD800"
           u"b.mp4"),
     V{"a\xEF\xBF\xBD"
       "b.mp4"}},
    {Kind::M3u, Utf16(u"\xDC00.mp4"), V{"\xEF\xBF\xBD.mp4"}},
    {Kind::M3u, Utf16(u"odd.mp4") + "x", V{"odd.mp4"}},
    {Kind::M3u, "\xFF\xFE", V{}},
};
INSTANTIATE_TEST_SUITE_P(Reads, ReadPlaylistTest, testing::ValuesIn(kReads));

// A <switch> plays one alternative: the first whose tests pass for a user
// of Canadian French, and that holds something to play.
TEST(ReadPlaylist, SmilSwitchPlaysItsFirstAlternativeThatPlays) {
    const struct {
        const char* name;
        std::string body;
        V entries;
    } cases[] = {
        {"the first alternative, then what follows the switch",
         "<seq><switch><video src='a'/><video src='b'/></switch><audio src='c'/></seq>",
         V{"a", "c"}},
        {"another language passed over",
         "<switch><audio src='en' systemLanguage='en'/><audio src='fr' systemLanguage='fr'/>"
         "<audio src='any'/></switch>",
         V{"fr"}},
        {"SMIL 1 spelling, a more precise language",
         "<switch><audio src='de' system-language='de'/><audio src='fr' system-language='de, "
         "fr-FR'/></switch>",
         V{"fr"}},
        {"no language matches", "<switch><audio src='de' systemLanguage='de'/><audio src='x'/>",
         V{"x"}},
        {"a longer code is another language (North Frisian, not French)",
         "<switch><audio src='frr' systemLanguage='frr'/><audio src='x'/></switch>", V{"x"}},
        {"an extension required",
         "<switch><video src='ext' systemRequired='ext1'/><video src='plain'/></switch>",
         V{"plain"}},
        {"nothing to play in the first",
         "<switch><text src='t.txt'/><par><video src='v'/><audio src='a'/></par></switch>",
         V{"v", "a"}},
        {"no alternative plays",
         "<switch><video src='x' systemLanguage='de'/></switch><video src='after'/>", V{"after"}},
        {"a failed test outside a switch",
         "<par systemLanguage='de'><video src='x'/></par><video src='y'/>", V{"y"}},
        {"nested switches",
         "<switch><switch><video src='a' systemLanguage='de'/><video src='b'/></switch>"
         "<video src='c'/></switch>",
         V{"b"}},
        {"left open at the end", "<switch><video src='a'/><video src='b'/>", V{"a"}},
        {"an end tag of nothing open",
         "<switch><video src='a'></video></par><video src='b'/></switch>", V{"a"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadPlaylist(Kind::Smil, "<smil><body>" + c.body, {"fr-CA", "fr"}), c.entries)
            << c.name;
    }
}

TEST(ReadPlaylist, KeepsToItsLimits) {
    std::string many;
    for (std::size_t i = 0; i < kMaxPlaylistEntries + 10; ++i)
        many += "e" + std::to_string(i) + "\n";
    const auto entries = ReadPlaylist(Kind::M3u, many);
    ASSERT_EQ(entries.size(), kMaxPlaylistEntries);
    EXPECT_EQ(entries.front(), "e0");
    EXPECT_EQ(entries.back(), "e" + std::to_string(kMaxPlaylistEntries - 1));

    EXPECT_TRUE(ReadPlaylist(Kind::M3u, std::string(kMaxPlaylistBytes + 1, 'a')).empty());
    // An entry and one long comment: read whole at the limit, not at all past it.
    const std::string atLimit = "a.mp4\n#" + std::string(kMaxPlaylistBytes - 7, 'c');
    EXPECT_EQ(ReadPlaylist(Kind::M3u, atLimit), V{"a.mp4"});
    EXPECT_TRUE(ReadPlaylist(Kind::M3u, atLimit + "c").empty());
    EXPECT_EQ(ReadPlaylist(Kind::M3u, std::string(kMaxEntryBytes + 1, 'a') + "\nok.mp4"),
              V{"ok.mp4"});
}

struct ResolveCase {
    const char* entry;
    const char* folder;
    const char* resolved;
};

class ResolveEntryTest : public testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveEntryTest, JoinsRelativePathsToTheFolder) {
    EXPECT_EQ(ResolveEntry(GetParam().entry, GetParam().folder), GetParam().resolved)
        << GetParam().entry << " in " << GetParam().folder;
}

const ResolveCase kResolves[] = {
    {"clip.mp4", "/m/lists", "/m/lists/clip.mp4"},
    {"clip.mp4", "/m/lists/", "/m/lists/clip.mp4"},
    {"../clip.mp4", "/m/lists", "/m/lists/../clip.mp4"},
    {"/abs/clip.mp4", "/m", "/abs/clip.mp4"},
    {"file:///abs/clip.mp4", "/m", "file:///abs/clip.mp4"},
    {"http://h/s.mp3", "/m", "http://h/s.mp3"},
    {"edl://x", "/m", "edl://x"},
    {"-", "/m", "/m/-"},
    {"--vo=x", "/m", "/m/--vo=x"},
    {"1http://x", "/m", "/m/1http://x"},
    {"a b/c:d.mp4", "/m", "/m/a b/c:d.mp4"},
    {"clip.mp4", "", "clip.mp4"},
    {"  ", "/m", ""},
};
INSTANTIATE_TEST_SUITE_P(Resolves, ResolveEntryTest, testing::ValuesIn(kResolves));

// An entry of a playlist in a folder holding `files`.
struct FindCase {
    const char* name;
    const char* list;
    Kind kind;
    std::string entry;
    std::set<std::string> files;
    std::string found;
};

std::string Find(const FindCase& c) {
    return FindEntry(c.entry, "/m", MayHoldLatin1(c.kind, c.list),
                     [&c](const std::string& path) { return c.files.count(path) > 0; });
}

TEST(FindEntry, ReadsAnOldM3uEntryAsLatin1WhenOnlyThatFileExists) {
    const std::string latin1 = "caf\xE9.mp3", utf8 = "caf\xC3\xA9.mp3";
    const FindCase cases[] = {
        {"only the Latin-1 name", "a.m3u", Kind::M3u, latin1, {"/m/" + utf8}, "/m/" + utf8},
        {"the raw name exists",
         "a.m3u",
         Kind::M3u,
         latin1,
         {"/m/" + latin1, "/m/" + utf8},
         "/m/" + latin1},
        {"neither exists", "a.m3u", Kind::M3u, latin1, {}, "/m/" + latin1},
        {"Windows' dash",
         "a.m3u",
         Kind::M3u,
         "a\x96"
         "b",
         {"/m/a\xE2\x80\x93"
          "b"},
         "/m/a\xE2\x80\x93"
         "b"},
        {"an .m3u8 is UTF-8", "a.m3u8", Kind::M3u, latin1, {"/m/" + utf8}, "/m/" + latin1},
        {"a .pls is not", "a.pls", Kind::Pls, latin1, {"/m/" + utf8}, "/m/" + latin1},
        {"UTF-8 stays UTF-8",
         "a.m3u",
         Kind::M3u,
         utf8,
         {"/m/caf\xC3\x83\xC2\xA9.mp3"},
         "/m/" + utf8},
    };
    for (const auto& c : cases) EXPECT_EQ(Find(c), c.found) << c.name;
}

TEST(FindEntry, TriesBackSlashesAsSlashesWhenTheNameAsWrittenIsMissing) {
    const std::string windows = "Clips\\clip two.mp4";
    const FindCase cases[] = {
        {"slashes",
         "a.pls",
         Kind::Pls,
         windows,
         {"/m/Clips/clip two.mp4"},
         "/m/Clips/clip two.mp4"},
        {"a name with a back slash exists",
         "a.m3u",
         Kind::M3u,
         windows,
         {"/m/" + windows, "/m/Clips/clip two.mp4"},
         "/m/" + windows},
        {"neither exists", "a.m3u", Kind::M3u, windows, {}, "/m/" + windows},
        {"and in Latin-1",
         "a.m3u",
         Kind::M3u,
         "Caf\xE9\\a.mp3",
         {"/m/Caf\xC3\xA9/a.mp3"},
         "/m/Caf\xC3\xA9/a.mp3"},
        {"a URL as it is", "a.m3u", Kind::M3u, "http://h/a\\b", {"http://h/a/b"}, "http://h/a\\b"},
    };
    for (const auto& c : cases) EXPECT_EQ(Find(c), c.found) << c.name;
}

}  // namespace
}  // namespace rw
