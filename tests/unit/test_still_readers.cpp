#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "formats/MacPaint.h"
#include "formats/Pict.h"

namespace rw {
namespace {

// Byte tables written by hand: big-endian words, raw bytes, padding.
class Bytes {
  public:
    Bytes& Word(int v) {
        text_ += static_cast<char>(v >> 8 & 0xFF);
        text_ += static_cast<char>(v & 0xFF);
        return *this;
    }
    Bytes& Long(std::uint32_t v) {
        return Word(static_cast<int>(v >> 16)).Word(static_cast<int>(v & 0xFFFF));
    }
    Bytes& Raw(std::initializer_list<int> bytes) {
        for (const int b : bytes) text_ += static_cast<char>(b);
        return *this;
    }
    Bytes& Text(const std::string& text) {
        text_ += text;
        return *this;
    }
    Bytes& Zeros(std::size_t n) {
        text_.append(n, '\0');
        return *this;
    }
    Bytes& Rect(int top, int left, int bottom, int right) {
        return Word(top).Word(left).Word(bottom).Word(right);
    }
    const std::string& Str() const { return text_; }

  private:
    std::string text_;
};

// The pixel at (x, y) as 0xRRGGBB.
std::uint32_t PixelAt(const StillPicture& p, int x, int y) {
    const auto* px = p.rgba.data() + (static_cast<std::size_t>(y) * p.width + x) * 4;
    return static_cast<std::uint32_t>(px[0] << 16 | px[1] << 8 | px[2]);
}

// A MacPaint file whose every row is one byte pattern, packed as runs.
std::string MacPaint(std::uint8_t pattern, int rows = kMacPaintHeight, bool macBinary = false) {
    Bytes b;
    if (macBinary) {
        std::string header(128, '\0');
        header[1] = 5;
        header.replace(2, 5, "paint");
        header.replace(65, 8, "PNTGMPNT");
        b.Text(header);
    }
    b.Zeros(512);
    for (int y = 0; y < rows; ++y) b.Raw({-71 & 0xFF, pattern});  // 72 copies
    return b.Str();
}

TEST(MacPaint, DecodesOneBitRows) {
    for (const bool macBinary : {false, true}) {
        SCOPED_TRACE(macBinary ? "behind a MacBinary header" : "bare");
        const auto picture = DecodeMacPaint(MacPaint(0x80, kMacPaintHeight, macBinary));
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width, 576);
        EXPECT_EQ(picture->height, 720);
        ASSERT_EQ(picture->rgba.size(), 576u * 720u * 4u);
        EXPECT_EQ(PixelAt(*picture, 0, 0), 0x000000u);
        EXPECT_EQ(PixelAt(*picture, 1, 0), 0xFFFFFFu);
        EXPECT_EQ(PixelAt(*picture, 8, 719), 0x000000u);
        EXPECT_EQ(PixelAt(*picture, 575, 719), 0xFFFFFFu);
        EXPECT_EQ(picture->rgba[3], 255);
        EXPECT_TRUE(picture->bands.empty());
    }
}

// `bytes` with its first four bytes replaced.
std::string WithStart(std::string bytes, std::string_view start) {
    return bytes.replace(0, start.size(), start);
}

TEST(MacPaint, TakesWholePicturesOfTheVersionsImageToolsTake) {
    const std::string otherType = MacPaint(0, kMacPaintHeight, true).replace(65, 4, "????");
    const struct {
        const char* what;
        std::string bytes;
        bool taken;
    } cases[] = {
        {"version 2", WithStart(MacPaint(0), std::string_view("\0\0\0\2", 4)), true},
        {"version 3", WithStart(MacPaint(0), std::string_view("\0\0\0\3", 4)), true},
        {"behind MacBinary of another type", otherType, true},
        {"empty", "", false},
        {"header only", std::string(512, '\0'), false},
        {"one row short", MacPaint(0, kMacPaintHeight - 1), false},
        {"a literal run cut short", MacPaint(0, 10) + std::string("\x05\x01", 2), false},
        {"a repeat without its byte", MacPaint(0, 10) + std::string("\xF0", 1), false},
        {"version 1", WithStart(MacPaint(0), std::string_view("\0\0\0\1", 4)), false},
        {"a version word of text", WithStart(MacPaint(0), "MThd"), false},
        {"a JPEG of the right size", WithStart(MacPaint(0), "\xFF\xD8\xFF\xE0"), false},
        {"MacBinary of another type, no version behind it",
         std::string(otherType).replace(128, 4, "\xFF\xD8\xFF\xE0"), false},
        {"a PICT (it starts with zeros too)",
         MacPaint(0).replace(512, 14,
                             std::string_view("\0\0\0\0\0\0\0\x10\0\x10\x11\x01\xFF\0", 14)),
         false},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeMacPaint(c.bytes).has_value(), c.taken) << c.what;
}

TEST(UnpackBits, LiteralsRepeatsAndNoOps) {
    std::string_view in(
        "\x02"
        "abc"
        "\xFE"
        "z"
        "\x80"
        "\x00"
        "q",
        9);
    std::uint8_t out[7] = {};
    ASSERT_TRUE(UnpackBits(in, out, sizeof out));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), sizeof out), "abczzzq");
    EXPECT_TRUE(in.empty());
}

// The start of every PICT: 512 bytes of header, the old size, the frame and
// the version 2 opcodes with an extended header: at `dpi`, the source
// rectangle is the frame scaled by dpi / 72.
Bytes PictStart(int height, int width, int dpi = 72) {
    Bytes b;
    b.Zeros(512).Word(0).Rect(0, 0, height, width);
    b.Word(0x0011).Word(0x02FF).Word(0x0C00).Word(0xFFFE).Word(0);
    b.Long(static_cast<std::uint32_t>(dpi) << 16).Long(static_cast<std::uint32_t>(dpi) << 16);
    b.Rect(0, 0, height * dpi / 72, width * dpi / 72).Long(0);
    return b;
}

// A PackBitsRect with an 8-bit pixel map of `width` x 1 and a two-colour
// table (0 red, 1 blue), each row sent as it is (rowBytes under 8), drawn
// over `dstHeight` x `dstWidth` (its own size unless given).
Bytes& IndexedRow(Bytes& b, int width, std::initializer_list<int> pixels, int dstHeight = 1,
                  int dstWidth = 0) {
    b.Word(0x0098).Word(0x8000 | width).Rect(0, 0, 1, width);
    b.Word(0).Word(0).Long(0).Long(0x00480000).Long(0x00480000).Word(0).Word(8).Word(1).Word(8);
    b.Long(0).Long(0).Long(0);
    b.Long(0).Word(0).Word(1);  // colour table: seed, flags, two entries
    b.Word(0).Word(0xFFFF).Word(0).Word(0).Word(1).Word(0).Word(0).Word(0xFFFF);
    b.Rect(0, 0, 1, width).Rect(0, 0, dstHeight, dstWidth > 0 ? dstWidth : width).Word(0);
    return b.Raw(pixels);
}

TEST(Pict, DrawsAnIndexedBitmap) {
    Bytes b = PictStart(1, 4);
    IndexedRow(b, 4, {0, 1, 1, 0}).Word(0x00FF);
    const auto picture = DecodePict(b.Str());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 4);
    EXPECT_EQ(picture->height, 1);
    EXPECT_EQ(PixelAt(*picture, 0, 0), 0xFF0000u);
    EXPECT_EQ(PixelAt(*picture, 1, 0), 0x0000FFu);
    EXPECT_EQ(PixelAt(*picture, 3, 0), 0xFF0000u);
}

// The header of a DirectBitsRect one row high.
Bytes& DirectHeader(Bytes& b, int width, int rowBytes, int packType, int pixelSize, int cmpCount) {
    b.Word(0x009A).Long(0xFF).Word(0x8000 | rowBytes).Rect(0, 0, 1, width);
    b.Word(0).Word(packType).Long(0).Long(0x00480000).Long(0x00480000).Word(16);
    b.Word(pixelSize).Word(cmpCount).Word(8).Long(0).Long(0).Long(0);
    return b.Rect(0, 0, 1, width).Rect(0, 0, 1, width).Word(0);
}

// One packed row: its byte count, then a literal run of `n` bytes.
Bytes& LiteralRow(Bytes& b, int n) {
    b.Raw({n + 1, n - 1});
    for (int i = 0; i < n; ++i) b.Raw({i});
    return b;
}

TEST(Pict, DrawsADirectBitmapPackedByComponent) {
    Bytes b = PictStart(1, 2);
    DirectHeader(b, 2, 8, 4, 32, 3);
    // One row: byte count 6, then a literal run of the R, G and B planes.
    b.Raw({7, 5, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60});
    b.Word(0x00FF);
    const auto picture = DecodePict(b.Str());
    ASSERT_TRUE(picture);
    EXPECT_EQ(PixelAt(*picture, 0, 0), 0x103050u);
    EXPECT_EQ(PixelAt(*picture, 1, 0), 0x204060u);
}

// A QuickTime-compressed opcode holding `jpeg`, its source rectangle
// `height` x `width`, moved by the matrix (`dx`, `dy`); `turned` sets the
// matrix's shear.
Bytes& Band(Bytes& b, const std::string& jpeg, int height, int width, int dx, int dy,
            bool turned = false) {
    Bytes data;
    data.Word(0).Long(0x10000).Long(turned ? 0x10000 : 0).Long(0).Long(0).Long(0x10000).Long(0);
    data.Long(static_cast<std::uint32_t>(dx) << 16).Long(static_cast<std::uint32_t>(dy) << 16);
    data.Long(0x40000000).Long(0).Zeros(8 + 2).Rect(0, 0, height, width).Long(0).Long(0);
    data.Long(86).Text("jpeg").Zeros(36).Long(static_cast<std::uint32_t>(jpeg.size())).Zeros(38);
    data.Text(jpeg);
    return b.Word(0x8200).Long(static_cast<std::uint32_t>(data.Str().size())).Text(data.Str());
}

const std::string kJpeg("\xFF\xD8\xFF\xE0jpegdata\xFF\xD9", 14);

TEST(Pict, ListsJpegBandsAtTheirPlacesInsteadOfTheirFallbacks) {
    // A bitmap of its own (red), then two bands of 2 x 4, one under the
    // other, each followed by its fallback bitmap (blue, over the first row).
    Bytes b = PictStart(4, 4);
    IndexedRow(b, 4, {0, 0, 0, 0}).Word(0x00A0).Word(5);  // and a short comment
    Band(b, kJpeg, 2, 4, 0, 0);
    IndexedRow(b, 4, {1, 1, 1, 1});
    Band(b, kJpeg, 2, 4, 0, 2);
    IndexedRow(b, 4, {1, 1, 1, 1}).Word(0x00FF);
    const auto picture = DecodePict(b.Str());
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->bands.size(), 2u);
    EXPECT_EQ(picture->bands[0].jpeg, kJpeg);
    const auto& second = picture->bands[1];
    EXPECT_EQ(std::vector<int>({second.left, second.top, second.width, second.height,
                                second.sourceWidth, second.sourceHeight}),
              std::vector<int>({0, 2, 4, 2, 4, 2}));
    EXPECT_EQ(PixelAt(*picture, 0, 0), 0xFF0000u);
    // Without the bands, the fallbacks are drawn.
    const auto fallback = DecodePict(b.Str(), PictJpeg::Fallback);
    ASSERT_TRUE(fallback);
    EXPECT_TRUE(fallback->bands.empty());
    EXPECT_EQ(PixelAt(*fallback, 0, 0), 0x0000FFu);

    // A band alone lies on white (no pixels); without it there is nothing.
    Bytes alone = PictStart(10, 20);
    Band(alone, kJpeg, 10, 20, 0, 0).Word(0x00FF);
    const auto band = DecodePict(alone.Str());
    ASSERT_TRUE(band);
    EXPECT_EQ(std::vector<int>({band->width, band->height, static_cast<int>(band->rgba.size()),
                                static_cast<int>(band->bands.size())}),
              std::vector<int>({20, 10, 0, 1}));
    EXPECT_FALSE(DecodePict(alone.Str(), PictJpeg::Fallback));
}

TEST(Pict, DrawsInTheSourceRectangleOfAnExtendedHeader) {
    const struct {
        int dpi, frameHeight, frameWidth, height, width;
    } cases[] = {
        {72, 2, 4, 2, 4},
        {96, 3, 6, 4, 8},
        {144, 2, 4, 4, 8},
        {300, 24, 24, 100, 100},
        {360, 204, 349, 1020, 1745},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        // One bitmap of one row, stretched over the whole source rectangle.
        Bytes b = PictStart(c.frameHeight, c.frameWidth, c.dpi);
        IndexedRow(b, 4, {0, 0, 1, 1}, c.height, c.width).Word(0x00FF);
        const auto picture = DecodePict(b.Str());
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width, c.width);
        EXPECT_EQ(picture->height, c.height);
        EXPECT_EQ(PixelAt(*picture, 0, 0), 0xFF0000u);
        EXPECT_EQ(PixelAt(*picture, c.width - 1, c.height - 1), 0x0000FFu);
    }
}

// The bytes of a version 1 picture's start: header, size, frame, version.
std::string Version1(int bottom, int right) {
    return Bytes().Zeros(512).Word(0).Rect(0, 0, bottom, right).Raw({0x11, 0x01, 0xFF}).Str();
}

// A version 2 start whose header gives the frame in fixed point: left, top,
// right, bottom (the frame before it is 2 x 3).
std::string FixedPointStart(int bottom, int right) {
    Bytes b;
    b.Zeros(512).Word(0).Rect(0, 0, 2, 3).Word(0x0011).Word(0x02FF).Word(0x0C00);
    b.Long(0xFFFFFFFF).Long(0).Long(0).Long(static_cast<std::uint32_t>(right) << 16);
    return b.Long(static_cast<std::uint32_t>(bottom) << 16).Long(0).Str();
}

TEST(Pict, RefusesBadPictures) {
    Bytes withBits = PictStart(1, 4);
    IndexedRow(withBits, 4, {0, 1, 1, 0});
    const std::string whole = withBits.Str();
    Bytes negativeCount = PictStart(1, 2), bytePlanes = PictStart(1, 8), turned = PictStart(4, 4);
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"header only", std::string(512, '\0')},
        {"no version opcode", Bytes().Zeros(512).Word(0).Rect(0, 0, 1, 1).Word(0x1234).Str()},
        {"zero frame", PictStart(0, 0).Word(0x00FF).Str()},
        {"huge frame", Version1(0, 0).replace(514, 8, Bytes().Rect(-32767, 0, 32767, 9).Str())},
        {"only lines", PictStart(4, 4).Word(0x0020).Rect(0, 0, 3, 3).Word(0x00FF).Str()},
        {"an unknown pattern opcode first",
         PictStart(4, 4).Word(0x0012).Word(2).Word(0x00FF).Str()},
        {"bitmap cut in its rows", whole.substr(0, whole.size() - 2)},
        {"bitmap cut in its header", whole.substr(0, whole.size() - 40)},
        {"planes of a negative component count",
         LiteralRow(DirectHeader(negativeCount, 2, 8, 4, 32, -1), 6).Word(0x00FF).Str()},
        {"planes of 8-bit pixels",
         LiteralRow(DirectHeader(bytePlanes, 8, 8, 4, 8, 3), 24).Word(0x00FF).Str()},
        {"clip region of a bad size", PictStart(4, 4).Word(0x0001).Word(1).Word(0x00FF).Str()},
        {"compressed picture past the end", PictStart(4, 4).Word(0x8200).Long(0xFFFFFFF0).Str()},
        {"a band turned by its matrix", Band(turned, kJpeg, 4, 4, 0, 0, true).Word(0x00FF).Str()},
        {"no header opcode", whole.substr(0, 526) + std::string(2, '\0') + whole.substr(528)},
        {"extended header of no resolution",
         whole.substr(0, 532) + std::string(8, '\0') + whole.substr(540)},
        {"extended header of an empty source",
         whole.substr(0, 540) + std::string(8, '\0') + whole.substr(548)},
        {"fixed-point header of an empty frame", FixedPointStart(0, 0) + whole.substr(552)},
        {"compressed picture of another codec", PictStart(4, 4)
                                                    .Word(0x8200)
                                                    .Long(68 + 86)
                                                    .Zeros(68)
                                                    .Long(86)
                                                    .Text("rle ")
                                                    .Zeros(78)
                                                    .Word(0x00FF)
                                                    .Str()},
    };
    for (const auto& c : cases) EXPECT_FALSE(DecodePict(c.bytes)) << c.what;
}

TEST(Pict, RefusesHugeBitmapsButKeepsWhatWasDrawn) {
    Bytes b = PictStart(1, 4);
    IndexedRow(b, 4, {1, 1, 1, 1});
    // A second bitmap that claims 30000 x 30000 pixels.
    b.Word(0x0098).Word(0x8000 | 0x3FFF).Rect(0, 0, 30000, 30000);
    b.Zeros(100).Word(0x00FF);
    const auto picture = DecodePict(b.Str());
    ASSERT_TRUE(picture);
    EXPECT_EQ(PixelAt(*picture, 2, 0), 0x0000FFu);
}

TEST(Pict, TellsItsVersionByAStrictTest) {
    const std::string jpeg("\xFF\xD8\xFF\xE0", 4);
    const struct {
        const char* what;
        std::string bytes;
        int version;
    } cases[] = {
        {"version 2, extended header", PictStart(1, 1).Str(), 2},
        {"version 2, fixed-point header", FixedPointStart(2, 3), 2},
        {"version 1", Version1(2, 3), 1},
        {"version 1 of an empty frame", Version1(0, 3), 0},
        // A JPEG with the version 1 bytes in place, its frame upside down
        // (as in real camera photos).
        {"version 1 of a frame upside down", jpeg + Version1(-5, 3).substr(4), 0},
        {"version 2 without its header opcode",
         std::string(PictStart(1, 1).Str()).replace(526, 2, "\x0C\x01"), 0},
        {"version 2, header cut short", PictStart(1, 1).Str().substr(0, 549), 0},
        {"zeros", std::string(600, '\0'), 0},
        {"short", "short", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(PictVersionOf(c.bytes), c.version) << c.what;
}

TEST(StillReaders, TakeFilesByNameOrStrictContentNeverAnotherPicture) {
    const std::string strongPict = PictStart(1, 1).Str(), weakPict = Version1(2, 3);
    const std::string macBinary = MacPaint(0, 1, true), bareMac = MacPaint(0, 1);
    const std::string jpeg = "\xFF\xD8\xFF\xE1" + weakPict.substr(4);
    const std::string png = "\x89PNG\r\n\x1A\n" + bareMac.substr(8);
    const struct {
        const char* name;
        std::string head;
        bool pict, macPaint;
    } cases[] = {
        {"a.pict", "anything", true, false},
        {"a.PCT", "", true, false},
        {"a.pnt", "anything", false, true},
        {"dir.x/a.MAC", "", false, true},
        {"a.png", strongPict, true, false},
        {"a.jpg", weakPict, false, false},
        {"a", weakPict, true, false},
        {"a.bin", weakPict, true, false},
        {"a.jpg", macBinary, false, true},
        {"a.jpeg", bareMac, false, false},
        {"a", bareMac, false, true},
        {"a", strongPict, true, false},
        {"a.pic", jpeg, false, false},
        {"a.mac", jpeg, false, false},
        {"a.pnt", png, false, false},
        {"a.mac", "GIF89a", false, false},
        {"a.pct", "BM", false, false},
        {"a.pic", std::string("MM\0*", 4), false, false},
        {"a.mac", std::string("RIFF\x10\0\0\0WEBPVP8 ", 16), false, false},
        {"a.mac", "RIFF", false, true},
        {"a.mp4", std::string("\0\0\0\x18", 4) + "ftypmp42", false, false},
    };
    for (const auto& c : cases) {
        const auto readers = StillReadersFor(c.name, c.head);
        EXPECT_EQ(readers.pict, c.pict) << c.name << " " << c.head.size();
        EXPECT_EQ(readers.macPaint, c.macPaint) << c.name << " " << c.head.size();
    }
}

}  // namespace
}  // namespace rw
