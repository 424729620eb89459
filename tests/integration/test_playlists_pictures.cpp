// Playlists and presentations are read by the player, which hands libmpv one
// entry at a time: the first entry that plays is opened, every entry passes
// the checks a reference from the user passes, and Reference() names the
// playlist. MacPaint and PICT pictures are decoded by the player and shown
// like any still picture; any other picture, whatever its name, and a file
// the player's readers refuse go to libmpv as they are. Bad files of each
// kind never hold up the window.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "LoopWatch.h"
#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MovieFiles.h"
#include "platform/mpv/MpvPlayer.h"

namespace rw {
namespace {

using test::Clip;
using test::ClipPath;

// Longest the event loop may go without turning while a file loads: a hang
// (a playlist read without end, a blocking read), not a speed, is what it
// catches, so it leaves room for a loaded machine.
constexpr qint64 kMaxGapMs = 3000;

// Big-endian words and bytes of hand-made pictures.
std::string Word(int v) { return {static_cast<char>(v >> 8 & 0xFF), static_cast<char>(v & 0xFF)}; }
std::string Long(std::uint32_t v) {
    return Word(static_cast<int>(v >> 16)) + Word(static_cast<int>(v & 0xFFFF));
}
std::string Rect(int t, int l, int b, int r) { return Word(t) + Word(l) + Word(b) + Word(r); }

// ASCII text as UTF-16 with its byte order mark.
std::string Utf16(const std::string& text, bool little) {
    std::string out = little ? "\xFF\xFE" : "\xFE\xFF";
    for (const char c : text) out += little ? std::string{c, '\0'} : std::string{'\0', c};
    return out;
}

// A MacPaint picture: the top half black, the bottom half white.
std::string MacPaintBytes(bool macBinary) {
    std::string bytes;
    if (macBinary) {
        bytes.assign(128, '\0');
        bytes[1] = 3;
        bytes.replace(2, 3, "pic");
        bytes.replace(65, 4, "PNTG");
    }
    bytes.append(512, '\0');
    for (int y = 0; y < 720; ++y) bytes += std::string("\xB9") + (y < 360 ? '\xFF' : '\0');
    return bytes;
}

// A version 2 PICT of `width` x 2 whose one PackBitsRect paints the left
// half red and the right half blue (an 8-bit pixel map, rows unpacked).
std::string PictBytes(int width) {
    std::string b(512, '\0');
    b += Word(0) + Rect(0, 0, 2, width) + Word(0x0011) + Word(0x02FF) + Word(0x0C00) +
         Word(0xFFFE) + Word(0) + Long(0x00480000) + Long(0x00480000) + Rect(0, 0, 2, width) +
         Long(0);
    b += Word(0x0098) + Word(0x8000 | width) + Rect(0, 0, 2, width);
    b += Word(0) + Word(0) + Long(0) + Long(0x00480000) + Long(0x00480000) + Word(0) + Word(8) +
         Word(1) + Word(8) + Long(0) + Long(0) + Long(0);
    b += Long(0) + Word(0) + Word(1);
    b += Word(0) + Word(0xFFFF) + Word(0) + Word(0) + Word(1) + Word(0) + Word(0) + Word(0xFFFF);
    b += Rect(0, 0, 2, width) + Rect(0, 0, 2, width) + Word(0);
    for (int y = 0; y < 2; ++y) {
        // Rows of `width` bytes over 8: PackBits, one run of each colour.
        const int half = width / 2;
        const std::string row = std::string(1, static_cast<char>(1 - half)) + '\0' +
                                static_cast<char>(1 - (width - half)) + '\1';
        b += static_cast<char>(row.size()) + row;
    }
    b += Word(0x00FF);
    return b;
}

// Waits up to five seconds for the player to show `colour` at `point`.
bool Shows(MpvPlayer& player, QPoint point, const QColor& colour) {
    for (int i = 0; i < 100; ++i) {
        if (test::IsNear(test::PixelAt(player, point), colour)) return true;
        QTest::qWait(50);
    }
    return false;
}

class PlaylistsPicturesTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!test::CanMakeClips()) GTEST_SKIP() << "ffmpeg is needed to make the test clips";
        ASSERT_TRUE(dir_.isValid());
        player_ = std::make_unique<MpvPlayer>(test::SolidImage(QColor(0, 200, 0), 64, 48));
        ASSERT_TRUE(player_->IsAvailable());
        player_->SetController(0);
        player_->resize(640, 480);
        player_->show();
    }

    std::string Write(const QString& name, const std::string& bytes) {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName().toStdString();
    }

    // Loads `reference`, checking that the window's loop kept turning; the
    // movie's rectangle, or empty text when the load failed.
    std::string LoadRect(const std::string& reference) {
        test::LoopWatch watch;
        player_->Load(reference);
        EXPECT_LT(watch.LongestGapMs(), kMaxGapMs) << reference;
        std::string rect;
        if (!Step([&] { rect = player_->MovieRect(); })) return {};
        return rect;
    }

    QTemporaryDir dir_;
    std::unique_ptr<MpvPlayer> player_;
};

TEST_F(PlaylistsPicturesTest, APlaylistOpensItsFirstEntryThatPlays) {
    const std::string red = ClipPath(Clip::Red43);
    const std::string blue = ClipPath(Clip::Blue169);
    ASSERT_FALSE(red.empty());
    ASSERT_FALSE(blue.empty());
    QDir(dir_.path()).mkdir("folder");
    QFile::copy(QString::fromStdString(blue), dir_.filePath("folder/blue clip.mp4"));
    const std::string skipped = "missing.mp4\nav://lavfi:testsrc\nedl://" + red + "\nfd://0\n" +
                                dir_.path().toStdString() + "/folder\n/dev/zero\n";
    const struct {
        const char* name;
        std::string text;
        const char* rect;
    } cases[] = {
        {"local.m3u", "#EXTM3U\n" + skipped + red + "\n" + blue + "\n", "0,0,320,240"},
        {"relative.m3u8", "#EXTM3U\nfolder/blue clip.mp4\n", "0,0,640,360"},
        {"file-url.m3u", "file://" + dir_.path().toStdString() + "/folder/blue%20clip.mp4\n",
         "0,0,640,360"},
        {"list.pls", "[playlist]\nFile1=missing.mp4\nFile2=" + blue + "\nNumberOfEntries=2\n",
         "0,0,640,360"},
        {"link.qtl",
         "<?xml version=\"1.0\"?>\n<?quicktime type=\"application/x-quicktime-media-link\"?>\n"
         "<embed src=\"folder/blue clip.mp4\" autoplay=\"true\"/>\n",
         "0,0,640,360"},
        {"show.smil",
         "<smil><body><seq><video src=\"missing.mp4\"/><video src=\"" + red +
             "\"/></seq></body></smil>",
         "0,0,320,240"},
        {"show.smi",
         "<?xml version=\"1.0\"?>\n<smil><body><video src=\"" + blue + "\"/></body></smil>",
         "0,0,640,360"},
        {"outer.m3u", "inner.m3u\n", "0,0,320,240"},
        {"utf16le.m3u", Utf16("#EXTM3U\r\n\t\t#EXTINF:-1,Red, a clip\r\n" + red + "\r\n", true),
         "0,0,320,240"},
        {"utf16be.pls", Utf16("[playlist]\r\nFile1=folder/blue clip.mp4\r\n", false),
         "0,0,640,360"},
        {"media.smil", "<smil><body><media src=\"folder/blue clip.mp4\"/></body></smil>",
         "0,0,640,360"},
    };
    Write("inner.m3u", skipped + red + "\n");
    for (const auto& c : cases) {
        const std::string list = Write(c.name, c.text);
        EXPECT_EQ(LoadRect(list), c.rect) << c.name;
        EXPECT_EQ(player_->Reference(), list) << c.name;
    }
}

// Playlists of other systems and older programs: an .m3u written on Windows
// in Latin-1 with back slashes finds its file, and a SMIL <switch> plays the
// one alternative it chooses, passing over one that needs an extension.
TEST_F(PlaylistsPicturesTest, PlaylistsOfOlderProgramsPlayWhatTheyMean) {
    const std::string red = ClipPath(Clip::Red43);
    const std::string blue = ClipPath(Clip::Blue169);
    ASSERT_FALSE(red.empty());
    ASSERT_FALSE(blue.empty());
    QDir(dir_.path()).mkdir("folder");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(blue), dir_.filePath("folder/caf\u00e9.mp4")));
    const struct {
        const char* name;
        std::string text;
        const char* rect;
    } cases[] = {
        {"windows.m3u", "#EXTM3U\r\nfolder\\caf\xE9.mp4\r\n", "0,0,640,360"},
        {"switch.smil",
         "<smil><body><switch><video src=\"" + blue + "\" systemRequired=\"ext\"/><video src=\"" +
             red + "\"/><video src=\"" + blue + "\"/></switch></body></smil>",
         "0,0,320,240"},
    };
    for (const auto& c : cases) {
        const std::string list = Write(c.name, c.text);
        EXPECT_EQ(LoadRect(list), c.rect) << c.name;
        EXPECT_EQ(player_->Reference(), list) << c.name;
    }
    // Those of other projects list their streams as they are written.
    const QString media = test::MediaDir();
    if (media.isEmpty()) return;
    EXPECT_EQ(MovieFiles::Candidates((media + "/playlist/m3u/radios-freebox.m3u").toStdString()),
              std::vector<std::string>{
                  "rtsp://mafreebox.freebox.fr/fbxtv_pub/stream?namespace=1&service=100004"});
    EXPECT_EQ(
        MovieFiles::Candidates((media + "/playlist/smil/big5.smi").toStdString()),
        (std::vector<std::string>{"rtsp://59.188.18.228/rthk/201007/radio1/12/2010071223.ra",
                                  "rtsp://59.188.18.228/rthk/201007/radio1/13/2010071300.ra"}));
}

TEST_F(PlaylistsPicturesTest, PlaylistsWithNothingToPlayFailQuietly) {
    const std::string red = ClipPath(Clip::Red43);
    ASSERT_FALSE(red.empty());
    Write("b.m3u", "a.m3u\n");
    Write("deep4.m3u", red + "\n");
    Write("deep3.m3u", "deep4.m3u\n");
    Write("deep2.m3u", "deep3.m3u\n");
    Write("deep1.m3u", "deep2.m3u\n");
    // Each level lists itself 200 times: the reads stop long before 200^4.
    std::string wide;
    for (int i = 0; i < 200; ++i) wide += "wide.m3u\n";
    Write("wide.m3u", wide);
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"empty.m3u", ""},
        {"comments.m3u", "#EXTM3U\n# nothing\n"},
        {"self.m3u", "self.m3u\n"},
        {"a.m3u", "b.m3u\n"},
        {"wide-loop.m3u", "wide.m3u\nwide.m3u\n"},
        {"too-deep.m3u", "deep1.m3u\n"},
        {"refused.m3u", "av://lavfi:testsrc\nedl://" + red + "\nfd://0\nmemory://abc\n"},
        {"devices.pls", "[playlist]\nFile1=/dev/zero\nFile2=/dev/null\nFile3=/tmp\n"},
        {"all-missing.smil", "<smil><video src=\"gone.mp4\"/><audio src=\"gone.mp3\"/></smil>"},
        {"subtitles.smi", "<SAMI><BODY><SYNC Start=0><P>hi</SAMI>"},
        {"binary.m3u", std::string("\0\1\2\3\xFF\xFE", 6)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LoadRect(Write(c.name, c.text)), "") << c.name;
        EXPECT_EQ(player_->Reference(), "") << c.name;
    }
    // Lists three levels deep still play.
    EXPECT_EQ(LoadRect(dir_.filePath("deep2.m3u").toStdString()), "0,0,320,240");
}

TEST_F(PlaylistsPicturesTest, LibmpvNeverExpandsAPlaylistItself) {
    // A format the player does not read but libmpv does: its entry would
    // play without passing the player's checks, so the load fails.
    const std::string red = ClipPath(Clip::Red43);
    ASSERT_FALSE(red.empty());
    EXPECT_EQ(LoadRect(Write("clip.ref", "[Reference]\r\nRef1=" + red + "\r\n")), "");
    EXPECT_EQ(player_->Reference(), "");
    EXPECT_FALSE(player_->HasMovie());
    // The player goes on as before.
    EXPECT_EQ(LoadRect(red), "0,0,320,240");
}

TEST_F(PlaylistsPicturesTest, MacPaintAndPictShowAsStillPictures) {
    const struct {
        const char* name;
        std::string bytes;
        const char* rect;
        QPoint dark;  // a point drawn black, red or blue
        QColor colour;
    } cases[] = {
        {"paint.mac", MacPaintBytes(true), "0,0,576,720", {100, 100}, QColor(0, 0, 0)},
        {"paint.pnt", MacPaintBytes(false), "0,0,576,720", {100, 100}, QColor(0, 0, 0)},
        {"paint with another name.bin",
         MacPaintBytes(true),
         "0,0,576,720",
         {100, 100},
         QColor(0, 0, 0)},
        {"picture.pict", PictBytes(64), "0,0,64,2", {10, 1}, QColor(255, 0, 0)},
        {"picture.pct", PictBytes(64), "0,0,64,2", {50, 1}, QColor(0, 0, 255)},
        {"picture no extension", PictBytes(32), "0,0,32,2", {5, 1}, QColor(255, 0, 0)},
    };
    for (const auto& c : cases) {
        const std::string path = Write(c.name, c.bytes);
        ASSERT_EQ(LoadRect(path), c.rect) << c.name;
        EXPECT_EQ(player_->Reference(), path) << c.name;
        EXPECT_TRUE(player_->HasPicture()) << c.name;
        EXPECT_TRUE(Shows(*player_, c.dark, c.colour)) << c.name;
    }
    // MacPaint's white half.
    player_->Load(Write("half.mac", MacPaintBytes(true)));
    EXPECT_TRUE(Shows(*player_, {100, 400}, QColor(255, 255, 255)));
}

TEST_F(PlaylistsPicturesTest, PicturesOurReadersRefuseGoToLibmpvAsTheyAre) {
    const std::string mac = MacPaintBytes(true);
    const std::string pict = PictBytes(64);
    std::string huge = pict;
    huge.replace(512 + 28, 8, Rect(0, 0, 32000, 32000));  // pixels past the limits
    std::string badOpcode = pict;
    badOpcode.replace(512 + 10 + 4 + 2 + 24, 2, Word(0x0012));  // a pattern it cannot skip
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"short.mac", mac.substr(0, mac.size() / 2)},
        {"header.mac", mac.substr(0, 600)},
        {"empty.pnt", ""},
        {"short.pict", pict.substr(0, pict.size() - 10)},
        {"huge.pict", huge},
        {"opcode.pict", badOpcode},
        {"header.pict", pict.substr(0, 530)},
        {"noise.pct", std::string(4096, '\x5A')},
        {"zeros.pnt", std::string(600, '\0')},
    };
    MovieFiles files;
    for (const auto& c : cases) {
        const std::string path = Write(c.name, c.bytes);
        EXPECT_EQ(files.MpvTarget(path), path) << c.name;
        LoadRect(path);  // whatever libmpv makes of it, the window goes on
    }
}

TEST_F(PlaylistsPicturesTest, OtherPicturesOpenAsThemselvesWhateverTheirName) {
    const QString samples = test::OwnSamplesDir();
    const QString media = test::MediaDir();
    // A JPEG photo whose bytes look like a PICT where a PICT has its version,
    // one from the shared media, and a PNG of more than MacPaint's size.
    const QString jpeg = samples + "/R-7439-1151526181.jpeg";
    const QString photo = media.isEmpty() ? QString() : media + "/image/jpeg/hummingbird.jpg";
    QImage bigPng(700, 900, QImage::Format_RGB32);
    bigPng.fill(QColor(200, 0, 200));
    const QString png = dir_.filePath("big.png");
    ASSERT_TRUE(bigPng.save(png));
    const struct {
        QString source;
        const char* name;
        const char* rect;
    } cases[] = {
        {jpeg, "a.jpg", "0,0,386,396"},  {jpeg, "b.jpeg", "0,0,386,396"},
        {jpeg, "c.png", "0,0,386,396"},  {jpeg, "d.pic", "0,0,386,396"},
        {jpeg, "e.mac", "0,0,386,396"},  {jpeg, "f", "0,0,386,396"},
        {photo, "g.mac", "0,0,640,533"}, {photo, "h.pict", "0,0,640,533"},
        {photo, "i.png", "0,0,640,533"}, {png, "j.pnt", "0,0,700,900"},
        {png, "k.mac", "0,0,700,900"},
    };
    MovieFiles files;
    for (const auto& c : cases) {
        if (c.source.isEmpty()) continue;  // no shared media
        const QString path = dir_.filePath(c.name);
        ASSERT_TRUE(QFile::copy(c.source, path)) << c.name;
        EXPECT_EQ(files.MpvTarget(path.toStdString()), path.toStdString()) << c.name;
        EXPECT_EQ(LoadRect(path.toStdString()), c.rect) << c.name;
    }
    EXPECT_TRUE(Shows(*player_, {100, 100}, QColor(200, 0, 200)));
}

TEST_F(PlaylistsPicturesTest, PicturesOfOtherProjectsShowWhole) {
    const QString samples = test::OwnSamplesDir();
    const QString media = test::MediaDir();
    // Each is decoded by the player; `photoRows` are rows that must show
    // the photo of a JPEG band: many grey levels, where the fallback bitmap
    // has black and white only.
    const struct {
        QString path;
        int width, height;
        std::vector<int> photoRows;
    } cases[] = {
        {samples + "/P564B1400.pict", 1745, 1022, {}},
        {samples + "/J19.pict", 640, 480, {96, 288, 432}},
        {samples + "/MARBLES.MAC", 576, 720, {}},
        {media.isEmpty() ? QString() : media + "/image/pict/qt_jpeg.pict", 500, 662, {331}},
    };
    MovieFiles files;
    for (const auto& c : cases) {
        if (c.path.isEmpty()) continue;  // no shared media
        SCOPED_TRACE(c.path.toStdString());
        const auto target = files.MpvTarget(c.path.toStdString());
        ASSERT_TRUE(target);
        ASSERT_NE(*target, c.path.toStdString());
        const QImage image(QString::fromStdString(*target));
        EXPECT_EQ(image.size(), QSize(c.width, c.height));
        for (const int y : c.photoRows) {
            int midTones = 0;
            for (int x = 0; x < image.width(); ++x) {
                const int grey = qGray(image.pixel(x, y));
                midTones += grey > 30 && grey < 225 ? 1 : 0;
            }
            EXPECT_GT(midTones, image.width() / 4) << "row " << y;
        }
        EXPECT_EQ(LoadRect(c.path.toStdString()),
                  "0,0," + std::to_string(c.width) + "," + std::to_string(c.height));
    }
}

TEST_F(PlaylistsPicturesTest, SharedSamplesShow) {
    const QString media = test::MediaDir();
    if (media.isEmpty()) GTEST_SKIP() << test::kNoMedia;
    const std::pair<const char*, const char*> cases[] = {
        {"image/macpaint/porsches.mac", "0,0,576,720"},
        {"image/pict/qt_jpeg.pict", "0,0,500,662"},
    };
    for (const auto& [name, rect] : cases) {
        const std::string path = (media + "/" + name).toStdString();
        EXPECT_EQ(LoadRect(path), rect) << name;
        EXPECT_EQ(player_->Reference(), path) << name;
    }
}

}  // namespace
}  // namespace rw
