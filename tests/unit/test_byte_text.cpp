// File names that are bytes, not UTF-8: the checks of well-formed UTF-8, the
// lossless trip through UTF-16 that carries them through Qt, and their
// stored form in the settings file.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/ByteText.h"

namespace rw {
namespace {

using namespace std::string_view_literals;

// Readable failure messages for byte strings.
std::string Shown(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F) {
            out += c;
        } else {
            constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
    return out;
}

TEST(ByteText, WellFormedUtf8) {
    const struct {
        std::string_view text;
        bool valid;
    } cases[] = {
        {""sv, true},
        {"plain /path/clip.mov"sv, true},
        {"nul\0inside"sv, true},
        {"caf\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x98\x80"sv, true},
        {"caf\xe9.mp4"sv, false},           // Latin-1
        {"\x80"sv, false},                  // a continuation byte alone
        {"\xff"sv, false},                  // never in UTF-8
        {"\xc3"sv, false},                  // cut off at the end
        {"\xe6\x97\xa5\xe6\x9c"sv, false},  // the second character cut off
        {"\xc3("sv, false},                 // lead byte without its continuation
        {"\xc0\xaf"sv, false},              // overlong "/"
        {"\xc1\xbf"sv, false},              // overlong
        {"\xc2\x80"sv, true},               // U+0080, the smallest two-byte form
        {"\xe0\x80\xaf"sv, false},          // overlong "/"
        {"\xe0\xa0\x80"sv, true},           // U+0800
        {"\xed\x9f\xbf"sv, true},           // U+D7FF, just below the surrogates
        {"\xed\xa0\x80"sv, false},          // U+D800, a surrogate
        {"\xed\xbf\xbf"sv, false},          // U+DFFF
        {"\xef\xbf\xbf"sv, true},           // U+FFFF
        {"\xf0\x8f\xbf\xbf"sv, false},      // overlong U+FFFF
        {"\xf0\x90\x80\x80"sv, true},       // U+10000
        {"\xf4\x8f\xbf\xbf"sv, true},       // U+10FFFF, the largest
        {"\xf4\x90\x80\x80"sv, false},      // past U+10FFFF
        {"\xf5\x80\x80\x80"sv, false},      // no such lead byte
        {"\xf0\x9f\x98"sv, false},          // cut off
        {"\xf0\x9f\x98("sv, false},         // fourth byte not a continuation
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.text), c.valid) << Shown(c.text);
}

TEST(ByteText, SequenceLengthAtAPosition) {
    const struct {
        std::string_view text;
        std::size_t pos;
        std::size_t length;
    } cases[] = {
        {"a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80"sv, 0, 1},
        {"a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80"sv, 1, 2},
        {"a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80"sv, 2, 0},  // inside a character
        {"a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80"sv, 3, 3},
        {"a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80"sv, 6, 4},
        {"a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80"sv, 10, 0},  // past the end
        {"caf\xe9"sv, 3, 0},
        {"\xe9t\xe9"sv, 1, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8SequenceAt(c.text, c.pos), c.length) << Shown(c.text) << " at " << c.pos;
}

TEST(ByteText, BytesTravelThroughUtf16) {
    const struct {
        std::string_view bytes;
        std::u16string_view text;
    } cases[] = {
        {""sv, u""},
        {"/m/clip.mov"sv, u"/m/clip.mov"},
        {"caf\xc3\xa9"sv, u"caf\u00e9"},
        {"\xf0\x9f\x98\x80"sv, u"\U0001F600"},  // a surrogate pair
        {"caf\xe9.mp4"sv,
         u"caf"
         u"\xDCE9"
         u".mp4"},                                  // the byte, escaped
        {"\x80\xff"sv, u"\xDC80\xDCFF"},            // the escapes' range
        {"\xc3\xa9\xe9"sv, u"\u00e9\xDCE9"},        // a character, a byte
        {"\xf0\x9f\x98"sv, u"\xDCF0\xDC9F\xDC98"},  // cut off: each byte
        {"\xed\xa0\x80"sv, u"\xDCED\xDCA0\xDC80"},  // a surrogate in UTF-8
        {"\xf0\x9f\x98\x80\xe9"sv,
         u"\U0001F600"
         u"\xDCE9"},  // a byte after a pair
        {"nul\0\xe9"sv,
         u"nul"
         u"\0"
         u"\xDCE9"sv},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BytesToUtf16(c.bytes), c.text) << Shown(c.bytes);
        EXPECT_EQ(Utf16ToBytes(c.text), c.bytes) << Shown(c.bytes);
    }
}

TEST(ByteText, Utf16FromElsewhereBecomesUtf8) {
    const struct {
        std::u16string_view text;
        std::string_view bytes;
    } cases[] = {
        {u"Ünï 日本", "\xc3\x9cn\xc3\xaf \xe6\x97\xa5\xe6\x9c\xac"sv},
        {u"\xD800", "\xef\xbf\xbd"sv},  // a high surrogate alone
        {u"\xD800x", "\xef\xbf\xbdx"sv},
        {u"\xDC00\xDC7F", "\xef\xbf\xbd\xef\xbf\xbd"sv},  // low ones below the escapes
        {u"\xDE00", "\xef\xbf\xbd"sv},                    // above them
        {u"\xD83D\xDCE9", "\xf0\x9f\x93\xa9"sv},          // a pair wins over an escape
    };
    for (const auto& c : cases) EXPECT_EQ(Utf16ToBytes(c.text), c.bytes) << Shown(c.bytes);
}

TEST(ByteText, StoredFormOnlyForValuesThatNeedIt) {
    const struct {
        std::string_view value;
        std::string_view stored;
    } cases[] = {
        // Today's form, unchanged.
        {""sv, ""sv},
        {"True"sv, "True"sv},
        {"-1234"sv, "-1234"sv},
        {"/home/u/clip.mov"sv, "/home/u/clip.mov"sv},
        {"/m/100% real #1.mov"sv, "/m/100% real #1.mov"sv},
        {"/m/Ünï 日本.mov"sv, "/m/Ünï 日本.mov"sv},
        {"file:///m/caf%E9.mp4"sv, "file:///m/caf%E9.mp4"sv},
        {"%bytes"sv, "%bytes"sv},      // not the whole marker
        {"%BYTES:x"sv, "%BYTES:x"sv},  // the marker is exact
        {" %bytes:x"sv, " %bytes:x"sv},
        // Not UTF-8: the marker, then %XX for those bytes and for "%".
        {"/m/caf\xe9.mp4"sv, "%bytes:/m/caf%E9.mp4"sv},
        {"/m/100% caf\xe9.mp4"sv, "%bytes:/m/100%25 caf%E9.mp4"sv},
        {"/m/\xc3\xa9\xe9"sv, "%bytes:/m/\xc3\xa9%E9"sv},  // well-formed characters stay
        {"\xff"sv, "%bytes:%FF"sv},
        {"\xc3"sv, "%bytes:%C3"sv},
        {"\xed\xa0\x80"sv, "%bytes:%ED%A0%80"sv},
        {"two\nlines\xe9"sv, "%bytes:two\nlines%E9"sv},
        {"nul\0\xe9"sv, "%bytes:nul\0%E9"sv},
        // Well-formed, but starting with the marker: escaped as well.
        {"%bytes:"sv, "%bytes:%25bytes:"sv},
        {"%bytes:/m/x.mov"sv, "%bytes:%25bytes:/m/x.mov"sv},
        {"%bytes:%E9"sv, "%bytes:%25bytes:%25E9"sv},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToStoredText(c.value), c.stored) << Shown(c.value);
        EXPECT_EQ(FromStoredText(c.stored), c.value) << Shown(c.stored);
    }
}

TEST(ByteText, HandEditedStoredTextReadsSensibly) {
    const struct {
        std::string_view stored;
        std::string_view value;
    } cases[] = {
        {"%bytes:"sv, ""sv},
        {"%bytes:caf%e9"sv, "caf\xe9"sv},  // lower-case hex digits
        {"%bytes:%"sv, "%"sv},
        {"%bytes:%4"sv, "%4"sv},
        {"%bytes:100%"sv, "100%"sv},
        {"%bytes:%G1"sv, "%G1"sv},
        {"%bytes:%%41"sv, "%A"sv},
        {"%bytes:%2541"sv, "%41"sv},
        {"no marker %41"sv, "no marker %41"sv},
    };
    for (const auto& c : cases) EXPECT_EQ(FromStoredText(c.stored), c.value) << Shown(c.stored);
}

// Every string of up to two bytes, and longer ones over the bytes that
// matter, survive both trips; the stored form is always UTF-8, and a value
// that needs no escaping is stored as itself.
TEST(ByteText, EveryShortByteStringRoundTrips) {
    std::vector<std::string> values;
    for (int a = 0; a < 256; ++a) {
        values.push_back(std::string(1, char(a)));
        for (int b = 0; b < 256; ++b) values.push_back({char(a), char(b)});
    }
    const char interesting[] = {'\0',   '%',    'a',    '/',    '\x80', '\x9f', '\xa0', '\xbf',
                                '\xc2', '\xc3', '\xe0', '\xed', '\xef', '\xf0', '\xf4', '\xff'};
    for (char a : interesting)
        for (char b : interesting)
            for (char c : interesting)
                for (char d : interesting) values.push_back({a, b, c, d});

    int failures = 0;
    for (const std::string& value : values) {
        const std::u16string text = BytesToUtf16(value);
        const std::string stored = ToStoredText(value);
        const bool ok =
            Utf16ToBytes(text) == value && FromStoredText(stored) == value && IsValidUtf8(stored) &&
            (stored == value) == (IsValidUtf8(value) && !value.starts_with(kStoredBytesMarker));
        if (!ok && ++failures <= 10) ADD_FAILURE() << Shown(value) << " -> " << Shown(stored);
    }
    EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace rw
