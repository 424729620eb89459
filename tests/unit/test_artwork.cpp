// Checks the artwork in resources/: the logo bitmap the window paints while
// no movie is open, the application icons, and the resource file that
// bundles them.  The files are made by resources/make_artwork.py.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#ifndef REELWICK_RESOURCES_DIR
#error "REELWICK_RESOURCES_DIR must name the resources folder"
#endif

namespace {

namespace fs = std::filesystem;

const fs::path kResources{REELWICK_RESOURCES_DIR};
constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint16_t Le16(const std::vector<std::uint8_t>& d, std::size_t at) {
    return static_cast<std::uint16_t>(d.at(at) | d.at(at + 1) << 8);
}

std::uint32_t Le32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return static_cast<std::uint32_t>(d.at(at)) | static_cast<std::uint32_t>(d.at(at + 1)) << 8 |
           static_cast<std::uint32_t>(d.at(at + 2)) << 16 |
           static_cast<std::uint32_t>(d.at(at + 3)) << 24;
}

std::int32_t LeS32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return static_cast<std::int32_t>(Le32(d, at));
}

std::uint32_t Be32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return static_cast<std::uint32_t>(d.at(at)) << 24 |
           static_cast<std::uint32_t>(d.at(at + 1)) << 16 |
           static_cast<std::uint32_t>(d.at(at + 2)) << 8 | static_cast<std::uint32_t>(d.at(at + 3));
}

// CRC-32 as PNG chunks use it (ISO 3309, reflected, polynomial 0xEDB88320).
std::uint32_t Crc32(const std::uint8_t* p, std::size_t n) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

// The logo is 48x48 at 24 bits per pixel: 144-byte rows, no padding.
constexpr int kLogoSide = 48;
constexpr std::size_t kPixelOffset = 54;
constexpr std::size_t kRowBytes = kLogoSide * 3;

struct Rgb {
    int r, g, b;
    bool Black() const { return r == 0 && g == 0 && b == 0; }
};

// (x, y) with y counted from the top of the picture, as it is shown.
Rgb LogoPixel(const std::vector<std::uint8_t>& d, int x, int y) {
    const std::size_t row = static_cast<std::size_t>(kLogoSide - 1 - y);  // stored bottom-up
    const std::size_t at = kPixelOffset + row * kRowBytes + static_cast<std::size_t>(x) * 3;
    return {d.at(at + 2), d.at(at + 1), d.at(at)};
}

class LogoBitmap : public ::testing::Test {
  protected:
    void SetUp() override {
        data_ = ReadFile(kResources / "logo.bmp");
        ASSERT_EQ(data_.size(), 6966u) << "logo.bmp missing or of the wrong size";
    }
    std::vector<std::uint8_t> data_;
};

TEST_F(LogoBitmap, FileHeader) {
    EXPECT_EQ(data_[0], 'B');
    EXPECT_EQ(data_[1], 'M');
    EXPECT_EQ(Le32(data_, 2), 6966u);  // file size
    EXPECT_EQ(Le16(data_, 6), 0u);     // reserved
    EXPECT_EQ(Le16(data_, 8), 0u);     // reserved
    EXPECT_EQ(Le32(data_, 10), 54u);   // offset of the pixels
}

TEST_F(LogoBitmap, InfoHeader) {
    EXPECT_EQ(Le32(data_, 14), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(LeS32(data_, 18), 48);  // width
    EXPECT_EQ(LeS32(data_, 22), 48);  // height, positive: rows run bottom-up
    EXPECT_EQ(Le16(data_, 26), 1u);   // planes
    EXPECT_EQ(Le16(data_, 28), 24u);  // bits per pixel
    EXPECT_EQ(Le32(data_, 30), 0u);   // BI_RGB, uncompressed
    const std::uint32_t image_size = Le32(data_, 34);
    EXPECT_TRUE(image_size == 0u || image_size == 6912u) << image_size;
    EXPECT_EQ(Le32(data_, 46), 0u);  // no palette
}

TEST_F(LogoBitmap, CornersAreBlack) {
    for (int y : {0, kLogoSide - 1}) {
        for (int x : {0, kLogoSide - 1}) {
            const Rgb p = LogoPixel(data_, x, y);
            EXPECT_TRUE(p.Black())
                << "corner (" << x << ", " << y << ") is " << p.r << "," << p.g << "," << p.b;
        }
    }
}

// The window behind the logo is black, so the edge of the picture must be
// too, or a frame would show around it.
TEST_F(LogoBitmap, BorderIsBlack) {
    for (int i = 0; i < kLogoSide; ++i) {
        EXPECT_TRUE(LogoPixel(data_, i, 0).Black()) << "top, x=" << i;
        EXPECT_TRUE(LogoPixel(data_, i, kLogoSide - 1).Black()) << "bottom, x=" << i;
        EXPECT_TRUE(LogoPixel(data_, 0, i).Black()) << "left, y=" << i;
        EXPECT_TRUE(LogoPixel(data_, kLogoSide - 1, i).Black()) << "right, y=" << i;
    }
}

TEST_F(LogoBitmap, HasAWarmPictureInTheMiddle) {
    int lit = 0;
    long red = 0;
    long blue = 0;
    for (int y = 0; y < kLogoSide; ++y) {
        for (int x = 0; x < kLogoSide; ++x) {
            const Rgb p = LogoPixel(data_, x, y);
            if (!p.Black()) ++lit;
            red += p.r;
            blue += p.b;
        }
    }
    // A real picture, not a stray pixel or two, and not a filled square.
    EXPECT_GT(lit, kLogoSide * kLogoSide / 10);
    EXPECT_LT(lit, kLogoSide * kLogoSide * 9 / 10);
    EXPECT_GT(red, blue) << "the logo is drawn in warm colours";

    // Something is drawn in the central quarter, so it sits centred.
    int lit_centre = 0;
    for (int y = kLogoSide / 4; y < kLogoSide * 3 / 4; ++y)
        for (int x = kLogoSide / 4; x < kLogoSide * 3 / 4; ++x)
            if (!LogoPixel(data_, x, y).Black()) ++lit_centre;
    EXPECT_GT(lit_centre, 0);
}

class IconPng : public ::testing::TestWithParam<int> {};

TEST_P(IconPng, IsAnRgbaPngOfItsSize) {
    const int size = GetParam();
    const fs::path path = kResources / ("reelwick-" + std::to_string(size) + ".png");
    ASSERT_TRUE(fs::exists(path)) << path;
    const std::vector<std::uint8_t> d = ReadFile(path);
    ASSERT_GE(d.size(), 8u + 25u + 12u) << path;

    const std::array<std::uint8_t, 8> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), d.begin())) << "PNG signature";

    // IHDR is the first chunk: length 13, then the type and the fields.
    EXPECT_EQ(Be32(d, 8), 13u);
    EXPECT_EQ(std::string(d.begin() + 12, d.begin() + 16), "IHDR");
    EXPECT_EQ(Be32(d, 16), static_cast<std::uint32_t>(size)) << "width";
    EXPECT_EQ(Be32(d, 20), static_cast<std::uint32_t>(size)) << "height";
    EXPECT_EQ(d[24], 8) << "bit depth";
    EXPECT_EQ(d[25], 6) << "colour type RGBA, for the transparent background";
    EXPECT_EQ(Be32(d, 29), Crc32(&d[12], 17)) << "IHDR checksum";

    // And the file ends with an intact IEND chunk.
    const std::size_t end = d.size() - 12;
    EXPECT_EQ(Be32(d, end), 0u);
    EXPECT_EQ(std::string(d.begin() + static_cast<std::ptrdiff_t>(end) + 4,
                          d.begin() + static_cast<std::ptrdiff_t>(end) + 8),
              "IEND");
    EXPECT_EQ(Be32(d, end + 8), Crc32(&d[end + 4], 4));
}

INSTANTIATE_TEST_SUITE_P(AllSizes, IconPng, ::testing::ValuesIn(kIconSizes),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Size" + std::to_string(info.param);
                         });

// Every picture is bundled under the name the program asks for, and every
// file the resource list names is there.
TEST(ResourceList, BundlesTheArtwork) {
    const std::vector<std::uint8_t> raw = ReadFile(kResources / "reelwick.qrc");
    ASSERT_FALSE(raw.empty());
    const std::string qrc(raw.begin(), raw.end());

    EXPECT_NE(qrc.find("prefix=\"/\""), std::string::npos);

    const std::regex entry(R"re(<file\s+alias="([^"]+)"\s*>\s*([^<\s]+)\s*</file>)re");
    std::set<std::string> aliases;
    for (auto it = std::sregex_iterator(qrc.begin(), qrc.end(), entry);
         it != std::sregex_iterator(); ++it) {
        aliases.insert((*it)[1].str());
        EXPECT_TRUE(fs::exists(kResources / (*it)[2].str())) << (*it)[2].str();
    }

    EXPECT_TRUE(aliases.count("logo.bmp"));
    for (int size : kIconSizes) {
        EXPECT_TRUE(aliases.count("icons/" + std::to_string(size) + ".png")) << size;
    }
}

}  // namespace
