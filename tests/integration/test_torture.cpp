// Every file of the third-party media and a few hundred damaged copies of
// them, opened one after another in one running program the way a user
// opens movies. None may crash or hang it, stall its event loop, make its
// memory grow without bound or stop it answering its menu.
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
#include <string>
#include <vector>

#include "LoopWatch.h"
#include "Program.h"
#include "TestSupport.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"

namespace rw {
namespace {

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

const char* NameOf(Damage d) {
    switch (d) {
        case Damage::Truncated:
            return "truncated";
        case Damage::FlippedBytes:
            return "flipped";
        case Damage::ZeroedHeader:
            return "zeroed";
        case Damage::RandomBlock:
            return "block";
        case Damage::CutMiddle:
            return "cut";
        case Damage::kCount:
            break;
    }
    return "?";
}

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

std::vector<QString> MediaFiles(const QString& folder) {
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

class TortureTest : public ::testing::Test {
  protected:
    // Opens one file as the user would, then asks the program to flip Loop
    // Movie through its event loop and waits for the answer.
    void OpenAndPoke(Program& p, const QString& path, Figures& f) {
        SCOPED_TRACE(path.toStdString());
        QElapsedTimer clock;
        clock.start();
        OpenMovie(p.MainForm(), path.toStdString());
        const qint64 ms = clock.elapsed();
        // A load gives way after its bounded wait; far beyond it is a hang.
        EXPECT_LT(ms, 20000) << "opening took " << ms << " ms";
        if (ms > f.longestOpenMs) f.longestOpenMs = ms, f.longestOpen = path;
        ++f.opened;
        if (!p.Player().Reference().empty()) ++f.loaded;
        if (p.Window().windowTitle() != QStringLiteral("Ostrun's Reelwick")) ++f.captionStuck;

        const bool before = p.Window().Checked(Menu::MovieLoop);
        QMetaObject::invokeMethod(p.Window().MenuAction(Menu::MovieLoop), "trigger",
                                  Qt::QueuedConnection);
        const bool answered =
            QTest::qWaitFor([&] { return p.Window().Checked(Menu::MovieLoop) != before; }, 5000);
        if (!answered) ++f.unanswered;
        EXPECT_TRUE(answered) << "Loop Movie did not flip";
    }
};

TEST_F(TortureTest, SurvivesEveryMediaFileAndHundredsOfDamagedCopies) {
    const QString media = test::MediaDir();
    if (media.isEmpty()) {
        GTEST_SKIP() << "no third-party media: set REELWICK_MEDIA_DIR or put them in "
                        "../shared/media beside the source tree";
    }
    const std::vector<QString> originals = MediaFiles(media);
    ASSERT_FALSE(originals.empty());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<Source> sources;
    for (const QString& path : originals) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        sources.push_back({QFileInfo(path).fileName(), file.readAll()});
    }
    ASSERT_FALSE(sources.empty());

    // The damaged copies, made before the program starts.
    const int variantCount = VariantCount();
    Figures f;
    std::vector<QString> variants;
    Random random(20240611);
    for (int v = 0; v < variantCount; ++v) {
        const auto damage = static_cast<Damage>(v % int(Damage::kCount));
        const Source& source = sources[std::size_t(random.Below(qsizetype(sources.size())))];
        const QString path = dir.filePath(QStringLiteral("%1-%2-%3")
                                              .arg(v, 4, 10, QLatin1Char('0'))
                                              .arg(QLatin1String(NameOf(damage)), source.name));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << path.toStdString();
        out.write(Damaged(source.bytes, damage, random));
        variants.push_back(path);
        ++f.perDamage[std::size_t(damage)];
    }
    const std::string good = test::MakeClip(dir, "good clip.mp4", "color=c=red:s=320x240:d=2");
    ASSERT_FALSE(good.empty()) << "ffmpeg could not make the test clip";

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

        for (const QString& path : originals) OpenAndPoke(p, path, f);
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
        longestStall = watch.LongestGapMs();

        QElapsedTimer closing;
        closing.start();
        p.Window().close();
        EXPECT_TRUE(p.Unloaded());
        EXPECT_LT(closing.elapsed(), 2000) << "closing took " << closing.elapsed() << " ms";
    }
    const QSettings settings(QString::fromStdString(ini), QSettings::IniFormat);
    EXPECT_EQ(settings.value("Settings/LastPlayed").toString().toStdString(), good);

    std::printf("  torture: %zu media files (twice), %d damaged copies:", originals.size(),
                variantCount);
    for (int d = 0; d < int(Damage::kCount); ++d) {
        std::printf(" %s %d", NameOf(static_cast<Damage>(d)), f.perDamage[std::size_t(d)]);
    }
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
