// MIDI files in the player component: synthesised as they play, sound alone
// (the logo shows), with their duration, seeking, pausing and looping; a
// broken one refused quietly. The window never waits on the synthesiser.

#include <gtest/gtest.h>
#include <mpv/client.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "LoopWatch.h"
#include "TestSupport.h"
#include "formats/MidiFile.h"
#include "platform/Step.h"
#include "platform/mpv/MidiStream.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/widgets/ControllerBar.h"

namespace rw {
namespace {

using Bytes = std::vector<unsigned char>;

// The logo a movie without a picture shows.
QImage Logo() {
    QImage logo(64, 48, QImage::Format_RGB32);
    logo.fill(Qt::green);
    return logo;
}

Bytes ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

// A format 0 file at 96 ticks a quarter and 120 beats a minute: a piano
// chord held for `quarters` quarters (half a second each).
Bytes ChordFile(int quarters) {
    const std::uint32_t ticks = 96u * static_cast<std::uint32_t>(quarters);
    Bytes track = {0x00, 0xC0, 0x00, 0x00, 0x90, 0x3C, 0x60, 0x00, 0x40, 0x60, 0x00, 0x43, 0x60};
    // The delta before the notes end, as a variable-length quantity.
    Bytes delta = {static_cast<unsigned char>(ticks & 0x7F)};
    for (std::uint32_t rest = ticks >> 7; rest != 0; rest >>= 7)
        delta.insert(delta.begin(), static_cast<unsigned char>(0x80 | (rest & 0x7F)));
    track.insert(track.end(), delta.begin(), delta.end());
    for (const unsigned char b :
         {0x80, 0x3C, 0x00, 0x00, 0x40, 0x00, 0x00, 0x43, 0x00, 0x00, 0xFF, 0x2F, 0x00})
        track.push_back(b);
    const auto size = static_cast<std::uint32_t>(track.size());
    const std::string header("MThd\0\0\0\6\0\0\0\1\0\140MTrk", 18);
    Bytes file(header.begin(), header.end());
    for (const int shift : {24, 16, 8, 0})
        file.push_back(static_cast<unsigned char>(size >> shift));
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

Bytes Rmid(const Bytes& smf) {
    const auto le = [](std::uint32_t v) {
        return Bytes{static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                     static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    };
    Bytes file = {'R', 'I', 'F', 'F'};
    const Bytes riffSize = le(static_cast<std::uint32_t>(smf.size() + 12));
    file.insert(file.end(), riffSize.begin(), riffSize.end());
    for (const char c : std::string("RMIDdata")) file.push_back(static_cast<unsigned char>(c));
    const Bytes dataSize = le(static_cast<std::uint32_t>(smf.size()));
    file.insert(file.end(), dataSize.begin(), dataSize.end());
    file.insert(file.end(), smf.begin(), smf.end());
    return file;
}

class MidiTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!MidiSoundFont()) GTEST_SKIP() << "no General MIDI sound font is installed";
        ASSERT_TRUE(folder_.isValid());
        player_ = std::make_unique<MpvPlayer>(Logo());
        ASSERT_TRUE(player_->IsAvailable());
        player_->SetController(0);
        player_->resize(640, 480);
        player_->show();
    }

    std::string Write(const std::string& name, const Bytes& bytes) {
        const QString path = folder_.filePath(QString::fromStdString(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        return QFile::encodeName(path).toStdString();
    }

    std::string Sample(const char* name) {
        const QString media = test::MediaDir();
        const QString path = media + "/audio/midi/" + name;
        if (media.isEmpty() || !QFile::exists(path)) return {};
        return path.toStdString();
    }

    std::optional<std::string> Rect() {
        std::string rect;
        if (!Step([&] { rect = player_->MovieRect(); })) return std::nullopt;
        return rect;
    }

    // Seeking and the volume as the controller bar asks for them.
    void SeekTo(double seconds) {
        emit player_->findChild<ControllerBar*>()->SeekRequested(seconds, true);
    }
    void SetVolume(double percent) {
        emit player_->findChild<ControllerBar*>()->VolumeRequested(percent);
    }

    bool PlaysPast(double seconds) {
        return QTest::qWaitFor([&] { return player_->Position() > seconds; });
    }

    QTemporaryDir folder_;
    std::unique_ptr<MpvPlayer> player_;
};

TEST_F(MidiTest, SamplePlaysAsSoundAloneWithItsDurationSeekingAndPause) {
    const std::string path = Sample("tttheme2.mid");
    if (path.empty()) GTEST_SKIP() << "the shared media are not there";
    const auto timing = ReadMidiTiming(ReadAll(path));
    ASSERT_TRUE(timing);
    const double seconds = timing->Duration();
    ASSERT_GT(seconds, 10);

    test::LoopWatch watch;
    QElapsedTimer clock;
    clock.start();
    player_->Load(path);
    const qint64 loaded = clock.elapsed();
    player_->Play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player_->Position() > 0; }));
    std::cout << "[ MEASURE  ] tttheme2.mid: Load returned after " << loaded
              << " ms, position advancing after " << clock.elapsed() << " ms, duration "
              << player_->Duration() << " s (computed " << seconds << " s)\n";

    // Sound alone: the nominal rectangle, the logo drawn there, the user's
    // reference (not the stream's) reported.
    EXPECT_EQ(Rect(), "0,0,320,240");
    EXPECT_EQ(player_->Reference(), path);
    EXPECT_TRUE(player_->HasSound());
    EXPECT_EQ(player_->grab().toImage().pixelColor(160, 120), QColor(Qt::green));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player_->Duration() > 0; }));
    EXPECT_GE(player_->Duration(), seconds - 0.05);
    EXPECT_LE(player_->Duration(), seconds + 1.5);

    ASSERT_TRUE(PlaysPast(0.5));
    // Forward far into the file, then back.
    SeekTo(seconds * 0.75);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return std::abs(player_->Position() - seconds * 0.75) < 1; }));
    EXPECT_TRUE(PlaysPast(seconds * 0.75 + 0.5));
    SeekTo(2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(player_->Position() - 2) < 0.5; }));
    EXPECT_TRUE(PlaysPast(2.5));

    player_->Pause();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player_->IsPaused(); }));
    // A position already on its way may still arrive.
    QTest::qWait(500);
    const double held = player_->Position();
    QTest::qWait(500);
    EXPECT_EQ(player_->Position(), held);

    SetVolume(40);
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(player_->Volume() - 40) < 0.5; }));
    player_->Play();
    EXPECT_TRUE(PlaysPast(held + 0.3));
    // The synthesiser runs on libmpv's threads, never on the window's.
    EXPECT_LT(watch.LongestGapMs(), 200);
}

TEST_F(MidiTest, KaraokeFilePlays) {
    const std::string path = Sample("Negra_Sombra.kar");
    if (path.empty()) GTEST_SKIP() << "the shared media are not there";
    const auto timing = ReadMidiTiming(ReadAll(path));
    ASSERT_TRUE(timing);
    player_->Load(path);
    EXPECT_EQ(Rect(), "0,0,320,240");
    player_->Play();
    EXPECT_TRUE(PlaysPast(0.5));
    EXPECT_NEAR(player_->Duration(), timing->Duration() + 0.5, 0.6);
}

// Both samples end their tracks long after their last note: the player ends
// them with their music (the last note-off, read with another tool).
TEST_F(MidiTest, SamplesEndWithTheirMusicNotTheirTracks) {
    const struct {
        const char* name;
        double music;
        double endOfTrack;
    } samples[] = {
        {"tttheme2.mid", 83.95, 103.26},
        {"Negra_Sombra.kar", 255.87, 267.87},
    };
    for (const auto& sample : samples) {
        SCOPED_TRACE(sample.name);
        const std::string path = Sample(sample.name);
        if (path.empty()) GTEST_SKIP() << "the shared media are not there";
        const auto timing = ReadMidiTiming(ReadAll(path));
        ASSERT_TRUE(timing);
        EXPECT_NEAR(timing->SecondsAt(timing->lastTick), sample.endOfTrack, 0.01);
        EXPECT_NEAR(timing->Duration(), sample.music + kMidiReleaseSeconds, 0.01);
        player_->Load(path);
        ASSERT_TRUE(QTest::qWaitFor([&] { return player_->Duration() > 0; }));
        EXPECT_NEAR(player_->Duration(), timing->Duration(), 0.05);
    }
}

// The release after music that ends with its tracks: a seek there is silent,
// not the file started over. libmpv writes what it plays to a WAV file.
TEST_F(MidiTest, ReleasePastTheEndOfTrackIsSilent) {
    const std::string out = Write("out.wav", {});
    std::unique_ptr<mpv_handle, void (*)(mpv_handle*)> mpv(mpv_create(), &mpv_terminate_destroy);
    ASSERT_TRUE(mpv);
    for (const auto& [name, value] :
         {std::pair{"ao", "pcm"}, std::pair{"ao-pcm-file", out.c_str()},
          std::pair{"audio-format", "s16"}, std::pair{"vo", "null"}, std::pair{"start", "3"}})
        ASSERT_GE(mpv_set_option_string(mpv.get(), name, value), 0) << name;
    ASSERT_GE(mpv_initialize(mpv.get()), 0);
    ASSERT_TRUE(AddMidiStream(mpv.get()));
    const auto uri = MidiStreamUri(Write("chord.mid", ChordFile(4)));  // 2 s, ending its track
    ASSERT_TRUE(uri);
    const char* command[] = {"loadfile", uri->c_str(), nullptr};
    ASSERT_GE(mpv_command(mpv.get(), command), 0);
    mpv_event* event = nullptr;
    do {
        event = mpv_wait_event(mpv.get(), 10);
    } while (event->event_id != MPV_EVENT_END_FILE && event->event_id != MPV_EVENT_NONE);
    ASSERT_EQ(event->event_id, MPV_EVENT_END_FILE);
    mpv.reset();  // the file is complete once libmpv is gone

    const Bytes wav = ReadAll(out);
    const std::string tag = "data";
    const auto data = std::search(wav.begin(), wav.end(), tag.begin(), tag.end());
    ASSERT_GT(wav.end() - data, 8 + 44'100 * 2);  // half a second at least
    double sum = 0;
    std::size_t count = 0;
    for (auto at = data + 8; wav.end() - at >= 2; at += 2, ++count)
        sum += std::pow(static_cast<std::int16_t>(at[0] | at[1] << 8), 2);
    // The chord started over would measure about 300; the synthesiser, reset
    // at the seek, about 10 as the reverb of what was read before dies away.
    EXPECT_LT(std::sqrt(sum / static_cast<double>(count)), 30);
}

TEST_F(MidiTest, MadeFilesPlayWhateverTheirNameOrWrapping) {
    const Bytes chord = ChordFile(4);  // 2 s
    const struct {
        std::string name;
        Bytes bytes;
    } files[] = {
        {"chord.mid", chord},
        {"no extension", chord},
        {"named as a movie.mp4", chord},
        {"100% odd \xE9 name.midi", chord},
        {"wrapped.rmi", Rmid(chord)},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const std::string path = Write(file.name, file.bytes);
        player_->Load(path);
        EXPECT_EQ(Rect(), "0,0,320,240");
        EXPECT_EQ(player_->Reference(), path);
        ASSERT_TRUE(QTest::qWaitFor([&] { return player_->Duration() > 0; }));
        EXPECT_NEAR(player_->Duration(), 2.0 + kMidiReleaseSeconds, 0.05);
    }
}

TEST_F(MidiTest, ShortFileLoopsAtItsEndAndStopsWithoutTheLoop) {
    player_->Load(Write("short.mid", ChordFile(2)));  // 1 s of music
    ASSERT_TRUE(Rect());
    player_->SetLoop(1);
    player_->Play();
    ASSERT_TRUE(PlaysPast(1.0));
    // Past its end it starts again.
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->Position() < 0.5; }));
    EXPECT_FALSE(player_->IsAtEnd());
    EXPECT_TRUE(PlaysPast(0.6));
    player_->SetLoop(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->IsAtEnd(); }));
    // Play at the end starts it from the beginning.
    player_->Play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player_->IsAtEnd() && player_->Position() < 1; }));
}

TEST_F(MidiTest, BrokenFilesAreRefusedQuietly) {
    const Bytes chord = ChordFile(4);
    Bytes sample = ReadAll(Sample("tttheme2.mid"));
    if (sample.empty()) sample = ChordFile(400);
    const Bytes half(sample.begin(),
                     sample.begin() + static_cast<std::ptrdiff_t>(sample.size() / 2));
    Bytes garbage = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0, 96};
    for (int i = 0; i < 4000; ++i) garbage.push_back(static_cast<unsigned char>(i * 151 % 256));
    Bytes huge = {'M', 'T', 'h', 'd', 0,   0,   0,   6,    0,    0,    0,
                  1,   0,   96,  'M', 'T', 'r', 'k', 0x7F, 0xFF, 0xFF, 0xFF};
    huge.insert(huge.end(), chord.begin() + 22, chord.end());
    const struct {
        std::string name;
        Bytes bytes;
    } files[] = {
        {"truncated.mid", half},
        {"garbage.mid", garbage},
        {"huge track length.mid", huge},
        {"zero tracks.mid", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 0, 0, 96}},
        {"magic alone.mid", {'M', 'T', 'h', 'd'}},
        {"empty.mid", {}},
        {"no midi at all.mid", Bytes(3000, 0x5A)},
        {"rmid without data.rmi", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'R', 'M', 'I', 'D'}},
    };
    test::LoopWatch watch;
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        player_->Load(Write(file.name, file.bytes));
        EXPECT_FALSE(Rect());
        EXPECT_EQ(player_->Reference(), "");
        // A good file loads right after.
        const std::string good = Write("good.mid", chord);
        player_->Load(good);
        EXPECT_EQ(Rect(), "0,0,320,240");
        EXPECT_EQ(player_->Reference(), good);
    }
    EXPECT_LT(watch.LongestGapMs(), 200);
}

}  // namespace
}  // namespace rw
