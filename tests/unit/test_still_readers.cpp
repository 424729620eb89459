#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/mpv/MacPaint.h"
#include "platform/mpv/Pict.h"

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
        EXPECT_TRUE(picture->jpeg.empty());
    }
}

TEST(MacPaint, RefusesWhatIsNotWhole) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"header only", std::string(512, '\0')},
        {"one row short", MacPaint(0, kMacPaintHeight - 1)},
        {"a literal run cut short", MacPaint(0, 10) + std::string("\x05\x01", 2)},
        {"a repeat without its byte", MacPaint(0, 10) + std::string("\xF0", 1)},
    };
    for (const auto& c : cases) EXPECT_FALSE(DecodeMacPaint(c.bytes)) << c.what;
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
// the version 2 opcodes with their header.
Bytes PictStart(int height, int width) {
    Bytes b;
    b.Zeros(512).Word(0).Rect(0, 0, height, width);
    b.Word(0x0011).Word(0x02FF).Word(0x0C00).Word(0xFFFE).Word(0).Long(0x00480000).Long(0x00480000);
    b.Rect(0, 0, height, width).Long(0);
    return b;
}

// A PackBitsRect with an 8-bit pixel map of `width` x 1 and a two-colour
// table (0 red, 1 blue), each row sent as it is (rowBytes under 8).
Bytes& IndexedRow(Bytes& b, int width, std::initializer_list<int> pixels) {
    b.Word(0x0098).Word(0x8000 | width).Rect(0, 0, 1, width);
    b.Word(0).Word(0).Long(0).Long(0x00480000).Long(0x00480000).Word(0).Word(8).Word(1).Word(8);
    b.Long(0).Long(0).Long(0);
    b.Long(0).Word(0).Word(1);  // colour table: seed, flags, two entries
    b.Word(0).Word(0xFFFF).Word(0).Word(0).Word(1).Word(0).Word(0).Word(0xFFFF);
    b.Rect(0, 0, 1, width).Rect(0, 0, 1, width).Word(0);
    b.Raw(pixels);
    return b;
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

TEST(Pict, HandsOnTheJpegOfACompressedPicture) {
    const std::string jpeg("\xFF\xD8\xFF\xE0jpegdata\xFF\xD9", 14);
    Bytes data;
    data.Word(0).Zeros(36).Long(0).Zeros(8 + 2 + 8 + 4).Long(0);
    data.Long(86).Text("jpeg").Zeros(36).Long(static_cast<std::uint32_t>(jpeg.size())).Zeros(38);
    data.Text(jpeg);
    Bytes b = PictStart(10, 20);
    b.Word(0x00A0).Word(5);  // a short comment, skipped
    b.Word(0x8200).Long(static_cast<std::uint32_t>(data.Str().size())).Text(data.Str());
    b.Word(0x00FF);
    const auto picture = DecodePict(b.Str());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->jpeg, jpeg);
    EXPECT_EQ(picture->width, 20);
    EXPECT_EQ(picture->height, 10);
    EXPECT_TRUE(picture->rgba.empty());
}

TEST(Pict, RefusesBadPictures) {
    Bytes withBits = PictStart(1, 4);
    IndexedRow(withBits, 4, {0, 1, 1, 0});
    const std::string whole = withBits.Str();
    Bytes negativeCount = PictStart(1, 2), bytePlanes = PictStart(1, 8);
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"header only", std::string(512, '\0')},
        {"no version opcode", Bytes().Zeros(512).Word(0).Rect(0, 0, 1, 1).Word(0x1234).Str()},
        {"zero frame", PictStart(0, 0).Word(0x00FF).Str()},
        {"huge frame", Bytes()
                           .Zeros(512)
                           .Word(0)
                           .Rect(-32768, -32768, 32767, 32767)
                           .Word(0x0011)
                           .Word(0x02FF)
                           .Str()},
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

TEST(Pict, LooksLikePict) {
    EXPECT_TRUE(LooksLikePict(PictStart(1, 1).Str()));
    EXPECT_FALSE(LooksLikePict(std::string(600, '\0')));
    EXPECT_FALSE(LooksLikePict("short"));
}

}  // namespace
}  // namespace rw
