// Every file of the third-party media (../shared/media, described by its
// MANIFEST.tsv) and a few hundred damaged copies of them, opened one after
// another in one running program the way a user opens movies.
//
// On the first pass each listed file is also measured: whether it plays, with
// its picture or with sound alone (the formats table, docs/formats.md, which
// scripts/formats_table.sh cuts out of this test's output), and every file
// ffprobe reads that is not broken on purpose must get a movie rectangle.
// Then damaged copies, and the originals once more. None may crash or hang
// the program, stall its event loop, make its memory grow without bound or
// stop it answering its menu; and a good clip plays at the end.
//
// REELWICK_TORTURE_VARIANTS sets the number of damaged copies (300 unless
// set); REELWICK_TORTURE_VARIANTS=2000 is the long run.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "FormatsTable.h"
#include "LoopWatch.h"
#include "Program.h"
#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MidiStream.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"

namespace rw {
namespace {

using test::Measurer;
using test::MediaFile;
using test::Outcome;
using test::Verdict;

// A small deterministic generator (splitmix64): the same copies on every
// machine and every run.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // In [0, bound); 0 when bound is 0.
    qsizetype Below(qsizetype bound) {
        return bound <= 0 ? 0 : static_cast<qsizetype>(Next() % static_cast<std::uint64_t>(bound));
    }

  private:
    std::uint64_t state_;
};

enum class Damage { Truncated, FlippedBytes, ZeroedHeader, RandomBlock, CutMiddle, kCount };

const std::pair<Damage, const char*> kDamageNames[] = {
    {Damage::Truncated, "truncated"}, {Damage::FlippedBytes, "flipped"},
    {Damage::ZeroedHeader, "zeroed"}, {Damage::RandomBlock, "block"},
    {Damage::CutMiddle, "cut"},
};

QByteArray Damaged(QByteArray bytes, Damage damage, Random& random) {
    const qsizetype size = bytes.size();
    switch (damage) {
        case Damage::Truncated:
            // Often within the first few kilobytes, where the headers are.
            bytes.truncate(random.Below(2) == 0 ? random.Below(std::min<qsizetype>(size, 4096))
                                                : random.Below(size));
            break;
        case Damage::FlippedBytes:
            for (int i = 0, n = 1 + int(random.Below(64)); i < n && size > 0; ++i) {
                bytes[random.Below(size)] ^= char(1 + random.Below(255));
            }
            break;
        case Damage::ZeroedHeader: {
            const qsizetype length = std::min<qsizetype>(size, 16 + random.Below(4096));
            std::fill(bytes.begin(), bytes.begin() + length, '\0');
            break;
        }
        case Damage::RandomBlock: {
            const qsizetype at = random.Below(size);
            const qsizetype length = std::min<qsizetype>(size - at, 1 + random.Below(8192));
            for (qsizetype i = at; i < at + length; ++i) bytes[i] = char(random.Next());
            break;
        }
        case Damage::CutMiddle: {
            const qsizetype at = random.Below(size);
            bytes.remove(at, random.Below(size - at));
            break;
        }
        case Damage::kCount:
            break;
    }
    return bytes;
}

struct Source {
    QString name;  // the file's name, which keeps its extension
    QByteArray bytes;
};

// Every file of the folder, the manifest and its notes too, sorted.
std::vector<QString> FilesIn(const QString& folder) {
    std::vector<QString> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files.push_back(it.next());
    std::sort(files.begin(), files.end());
    return files;
}

int VariantCount() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("REELWICK_TORTURE_VARIANTS", &ok);
    return ok && n >= 0 ? n : 300;
}

struct Figures {
    int opened = 0, loaded = 0, unanswered = 0, captionStuck = 0;
    std::array<int, std::size_t(Damage::kCount)> perDamage{};
    qint64 longestOpenMs = 0;
    QString longestOpen;
};

class SharedMediaTest : public ::testing::Test {
  protected:
    // Opens one file as the user would.
    void Open(Program& p, const QString& path, Figures& f) {
        QElapsedTimer clock;
        clock.start();
        OpenMovie(p.MainForm(), path.toStdString());
        // How long it took is a figure of the run (printed at its end); a
        // load that never gave way would hang the test.
        const qint64 ms = clock.elapsed();
        if (ms > f.longestOpenMs) f.longestOpenMs = ms, f.longestOpen = path;
        ++f.opened;
        if (!p.Player().Reference().empty()) ++f.loaded;
        if (p.Window().windowTitle() != QStringLiteral("Ostrun's Reelwick")) ++f.captionStuck;
    }

    // Asks the program to flip Loop Movie through its event loop and waits
    // for the answer.
    static void Poke(Program& p, Figures& f) {
        const bool answered = test::FlipsLoop(p);
        if (!answered) ++f.unanswered;
        EXPECT_TRUE(answered) << "Loop Movie did not flip";
    }

    void OpenAndPoke(Program& p, const QString& path, Figures& f) {
        SCOPED_TRACE(path.toStdString());
        Open(p, path, f);
        Poke(p, f);
    }

    // Opens, measures and pokes a file of the first pass. The loop is flipped
    // back, so that every file is measured with Loop Movie off.
    void OpenMeasureAndPoke(Program& p, Measurer& measurer, const QString& path,
                            const MediaFile* listed, Figures& f) {
        SCOPED_TRACE(path.toStdString());
        measurer.Prepare();
        Open(p, path, f);
        if (listed != nullptr) Measure(measurer, *listed);
        Poke(p, f);
        Poke(p, f);
    }

    void Measure(Measurer& measurer, const MediaFile& file) {
        const Outcome o = measurer.Measure();
        if (!o.rect.empty()) ++withRectangle_;
        // A file meant to be sound in which ffprobe found sound or pictures:
        // the player loads it, with or without a picture.
        if (!file.Broken() && file.Readable()) {
            EXPECT_FALSE(o.rect.empty()) << "ffprobe found: " << file.streams.toStdString();
        }
        std::printf("  %-50s %-5s %-14s %s\n", qPrintable(file.path), o.Plays() ? "plays" : "fails",
                    o.rect.empty() ? "(none)" : o.rect.c_str(), qPrintable(o.Picture()));
        const QString ext = file.Extension();
        if (!ext.isEmpty()) rows_[ext].push_back({file, o});
    }

    // Samples of the common kinds in good shape show their picture, or play
    // their sound; every extension of the filter is told of exactly once.
    void ExpectTheFormats(const QStringList& extensions) {
        // ffprobe reads none of the kinds the player reads itself.
        const auto expect = [&](std::initializer_list<const char*> kinds, Verdict verdict,
                                bool ownReader = false) {
            for (const char* kind : kinds) {
                SCOPED_TRACE(kind);
                ASSERT_TRUE(rows_.count(kind)) << "the sample set has no ." << kind << " file";
                for (const test::Row& r : rows_[kind]) {
                    if (!r.sample.Broken() && (ownReader || r.sample.Readable())) {
                        EXPECT_EQ(r.Got(), verdict) << r.sample.path.toStdString();
                    }
                }
            }
        };
        expect({"mov", "mp4", "avi", "mpg", "gif", "jpg", "png", "bmp", "tif", "flc", "fli"},
               Verdict::Picture);
        expect({"mp3", "mp2", "wav", "aiff", "aifc", "au"}, Verdict::Sound);
        expect({"mac", "pict"}, Verdict::Picture, true);
        if (MidiSoundFont()) expect({"mid", "kar"}, Verdict::Sound, true);

        const test::Summary summary = test::Summarize(extensions, rows_);
        QStringList all = summary.picture + summary.sound + summary.nothing + summary.untried;
        EXPECT_EQ(all.size(), extensions.size());
        all.removeDuplicates();
        EXPECT_EQ(all.size(), extensions.size());
    }

    // Each sample of ours, and each kept from another project, plays as its
    // kind should: the playlists play their first entry that plays.
    void ExpectTheOwnSamples(std::size_t count) {
        const bool midi = MidiSoundFont().has_value();
        const std::map<QString, Verdict> expected = {
            {"chord.midi", midi ? Verdict::Sound : Verdict::Nothing},
            {"chord.smf", midi ? Verdict::Sound : Verdict::Nothing},
            {"checks.pnt", Verdict::Picture},
            {"bands.pct", Verdict::Picture},
            {"bands.pic", Verdict::Picture},
            {"local.m3u", midi ? Verdict::Sound : Verdict::Nothing},
            {"slides.smil", Verdict::Picture},
            {"slides.sml", Verdict::Picture},
            {"J19.pict", Verdict::Picture},
            {"P564B1400.pict", Verdict::Picture},
            {"R-7439-1151526181.jpeg", Verdict::Picture},
            {"MARBLES.MAC", Verdict::Picture},
        };
        std::size_t seen = 0;
        for (const auto& [ext, rows] : rows_) {
            for (const test::Row& r : rows) {
                if (!r.sample.path.startsWith("tests/samples/")) continue;
                ++seen;
                const QString name = r.sample.path.section('/', -1);
                SCOPED_TRACE(name.toStdString());
                ASSERT_TRUE(expected.count(name)) << "a sample the test does not know";
                EXPECT_EQ(r.Got(), expected.at(name));
            }
        }
        EXPECT_EQ(seen, count);
        EXPECT_EQ(seen, expected.size());
    }

    test::Rows rows_;
    int withRectangle_ = 0;
};

TEST_F(SharedMediaTest, MeasuresEveryFileAndSurvivesItAndHundredsOfDamagedCopies) {
    const QString media = test::MediaDir();
    if (media.isEmpty()) GTEST_SKIP() << test::kNoMedia;
    const std::vector<MediaFile> listed = test::SharedMedia();
    ASSERT_FALSE(listed.empty()) << "MANIFEST.tsv lists no files";
    // The listed files in the manifest's order (a missing one fails to open,
    // and the check of its rectangle with it), then the folder's others.
    const std::vector<QString> inFolder = FilesIn(media);
    std::vector<QString> originals;
    std::map<QString, const MediaFile*> entries;
    for (const MediaFile& file : listed) {
        originals.push_back(media + "/" + file.path);
        entries[originals.back()] = &file;
    }
    for (const QString& path : inFolder)
        if (!entries.count(path)) originals.push_back(path);
    ASSERT_FALSE(inFolder.empty());
    const QStringList extensions = test::FilterExtensions();
    ASSERT_EQ(extensions.size(), 60);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<Source> sources;
    for (const QString& path : inFolder) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        sources.push_back({QFileInfo(path).fileName(), file.readAll()});
    }
    ASSERT_FALSE(sources.empty());

    // The damaged copies and the clips, made before the program starts.
    const int variantCount = VariantCount();
    Figures f;
    std::vector<QString> variants;
    Random random(20240611);
    for (int v = 0; v < variantCount; ++v) {
        const auto damage = static_cast<Damage>(v % int(Damage::kCount));
        const Source& source = sources[std::size_t(random.Below(qsizetype(sources.size())))];
        const QString path =
            dir.filePath(QStringLiteral("%1-%2-%3")
                             .arg(v, 4, 10, QLatin1Char('0'))
                             .arg(QLatin1String(test::NameOf(damage, kDamageNames)), source.name));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << path.toStdString();
        out.write(Damaged(source.bytes, damage, random));
        variants.push_back(path);
        ++f.perDamage[std::size_t(damage)];
    }
    ASSERT_TRUE(test::CanMakeClips());
    const std::string good = test::ClipPath(test::Clip::Red43);
    const std::string sound = test::ClipPath(test::Clip::Sine);
    const std::string corrupt = test::ClipPath(test::Clip::Corrupt);
    ASSERT_FALSE(good.empty() || sound.empty() || corrupt.empty());

    const std::string ini = dir.filePath("settings.ini").toStdString();
    QElapsedTimer total;
    total.start();
    long baselineKiB = 0, peakKiB = 0, finalKiB = 0;
    qint64 longestStall = 0;
    {
        Program p("", ini);
        p.Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.Window()));
        test::LoopWatch watch;

        // The measure itself: clips made here play, with and without a
        // picture (a 320x240 one reports the same rectangle as sound);
        // random bytes do not.
        Measurer measurer(p);
        measurer.LearnTheLogo(sound);
        const Outcome soundOnly = measurer.Open(sound);
        EXPECT_TRUE(soundOnly.Plays() && soundOnly.logo);
        const Outcome red = measurer.Open(good);
        EXPECT_TRUE(red.Plays());
        EXPECT_EQ(red.rect, "0,0,320,240");
        EXPECT_FALSE(red.logo);
        EXPECT_FALSE(measurer.Open(corrupt).Plays());

        for (const QString& path : originals) {
            const auto it = entries.find(path);
            OpenMeasureAndPoke(p, measurer, path, it == entries.end() ? nullptr : it->second, f);
        }
        std::printf("  %d of %zu listed files have a movie rectangle\n", withRectangle_,
                    listed.size());
        // Then ours, named in the table by their place in the source tree.
        const std::vector<MediaFile> own = test::ReadManifest(test::OwnSamplesDir());
        ASSERT_FALSE(own.empty()) << "tests/samples/MANIFEST.tsv lists no files";
        for (MediaFile sample : own) {
            const QString path = test::OwnSamplesDir() + "/" + sample.path;
            sample.path = "tests/samples/" + sample.path;
            OpenMeasureAndPoke(p, measurer, path, &sample, f);
        }
        ExpectTheOwnSamples(own.size());
        ExpectTheFormats(extensions);
        std::printf("---- formats table ----\n%s---- end of the formats table ----\n",
                    qPrintable(test::Table(extensions, rows_)));

        // Every decoder and demuxer the media need has been used once:
        // what the program holds from here on should stay level.
        baselineKiB = test::ResidentKiB();
        peakKiB = baselineKiB;
        for (const QString& path : variants) {
            OpenAndPoke(p, path, f);
            peakKiB = std::max(peakKiB, test::ResidentKiB());
        }
        // The originals once more: the same work as at the baseline.
        for (const QString& path : originals) OpenAndPoke(p, path, f);
        finalKiB = test::ResidentKiB();

        // And it still plays a sound movie.
        OpenMovie(p.MainForm(), good);
        EXPECT_TRUE(QTest::qWaitFor([&] { return p.Player().Reference() == good; }, 10000));
        std::string rect;
        EXPECT_TRUE(Step([&] { rect = p.Player().MovieRect(); }));
        EXPECT_EQ(rect, "0,0,320,240");
        longestStall = watch.LongestGapMs();

        // After all that, closing still ends the program normally: the
        // window goes, the unload runs and writes the settings (read back
        // below). A close that hung would never get here.
        p.Window().close();
        EXPECT_FALSE(p.Window().isVisible());
        EXPECT_TRUE(p.Unloaded());
    }
    const QSettings settings(QString::fromStdString(ini), QSettings::IniFormat);
    EXPECT_EQ(settings.value("Settings/LastPlayed").toString().toStdString(), good);

    std::printf("  torture: %zu media files (twice), %d damaged copies:", originals.size(),
                variantCount);
    for (const auto& [damage, name] : kDamageNames)
        std::printf(" %s %d", name, f.perDamage[std::size_t(damage)]);
    std::printf("\n  torture: %d opened, %d loaded, %d unanswered, %d left captioned Loading\n",
                f.opened, f.loaded, f.unanswered, f.captionStuck);
    std::printf("  torture: longest event-loop stall %lld ms; longest open %lld ms (%s)\n",
                static_cast<long long>(longestStall), static_cast<long long>(f.longestOpenMs),
                qPrintable(QFileInfo(f.longestOpen).fileName()));
    std::printf(
        "  torture: resident memory %ld MiB after the media, peak %ld MiB, final %ld MiB;"
        " %.1f s in all\n",
        baselineKiB / 1024, peakKiB / 1024, finalKiB / 1024, total.elapsed() / 1000.0);

    EXPECT_EQ(f.captionStuck, 0);
    // Generous bounds: a frame can take a while on a loaded machine, but a
    // blocking call into a stalled demuxer would take seconds.
    EXPECT_LT(longestStall, 1500) << "the event loop stalled";
    // Caches and decoder pools settle; a leak per file would go on growing
    // with the number of files.
    EXPECT_LT(finalKiB - baselineKiB, 100 * 1024) << "memory grew from the first pass to the last";
    EXPECT_LT(peakKiB - baselineKiB, 400 * 1024) << "memory grew while opening damaged copies";
}

}  // namespace
}  // namespace rw
