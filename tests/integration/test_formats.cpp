// Which kinds of file the program plays, measured on real third-party media
// (../shared/media, described by its MANIFEST.tsv). Every sample file is
// opened as a person would open it, through OpenMovie in the whole program,
// and counts as playing when the player keeps it loaded with a movie
// rectangle and its playback gets under way: the clock moves, or a still
// picture reaches its end.
//
// The result is a Markdown table of the extensions of the Open dialog's
// "QuickTime Files" filter, printed always and written to the file that
// REELWICK_FORMATS_TABLE names (docs/formats.md is made that way).

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "PlayerTestSupport.h"
#include "Program.h"
#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"
#include "sources/OpenDialog.h"

namespace rw {
namespace {

struct Sample {
    QString path;     // relative to the media folder
    QString note;     // "problematic" marks a deliberately broken file
    QString streams;  // what ffprobe found

    QString Extension() const {
        const QString name = QFileInfo(path).fileName();
        const int dot = name.lastIndexOf('.');
        return dot < 0 ? QString() : name.mid(dot + 1).toLower();
    }
    // Damaged on purpose.
    bool Broken() const { return note.contains("problematic"); }
    // Holding sound or pictures that ffprobe reads.
    bool Readable() const {
        return streams.contains("codec_type=video") || streams.contains("codec_type=audio");
    }

    // "h264 video, aac audio" from ffprobe's "stream|codec_name=...|codec_type=..."
    QString Contents() const {
        QStringList parts;
        for (const QString& stream : streams.split(' ', Qt::SkipEmptyParts)) {
            QString codec, type;
            for (const QString& field : stream.split('|')) {
                if (field.startsWith("codec_name=")) codec = field.mid(11);
                if (field.startsWith("codec_type=")) type = field.mid(11);
            }
            const QString part = codec + " " + type;
            if (!codec.isEmpty() && !parts.contains(part)) parts << part;
        }
        return parts.isEmpty() ? QStringLiteral("nothing ffprobe reads") : parts.join(", ");
    }
};

std::vector<Sample> ReadManifest(const QString& folder) {
    std::vector<Sample> samples;
    QFile manifest(folder + "/MANIFEST.tsv");
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) return samples;
    QTextStream lines(&manifest);
    lines.readLine();  // the column names
    while (!lines.atEnd()) {
        const QStringList columns = lines.readLine().split('\t');
        if (columns.size() >= 6 && !columns[0].isEmpty())
            samples.push_back({columns[0], columns[4], columns[5]});
    }
    return samples;
}

// The extensions of the filter's first pair, in its order: "mov", "qt", ...
QStringList FilterExtensions() {
    QStringList extensions;
    // Keep the parsed filters alive: the loop walks a member of them.
    const auto filters = ParseFilter(kOpenFilter);
    for (const std::string& pattern : filters.at(0).patterns)
        extensions << QString::fromStdString(pattern).mid(2).toLower();  // "*.mov"
    return extensions;
}

struct Outcome {
    bool loaded = false;  // the player kept the reference
    std::string rect;     // its movie rectangle, empty when none
    bool under_way = false;
    bool logo = false;  // no picture: the player shows the logo
    bool Plays() const { return loaded && !rect.empty() && under_way; }
    QString Picture() const {
        if (rect.empty()) return QStringLiteral("-");
        if (logo) return QStringLiteral("none, the logo shows");
        return QString::fromStdString(rect).section(',', 2, 2) + "x" +
               QString::fromStdString(rect).section(',', 3, 3);
    }
};

class Measurer {
  public:
    explicit Measurer(const QTemporaryDir& dir)
        : program_("", dir.filePath("settings.ini").toStdString()) {
        program_.Start();
        // A stalled source (an .sdp file waiting for packets) is let go of
        // sooner than a person would wait for it.
        program_.Player().SetLoadTimeout(2000);
    }

    // What the player shows of a file without a picture: the logo.
    void LearnTheLogo(const std::string& soundOnly) {
        Open(soundOnly);
        logo_ = Snapshot();
    }

    Outcome Open(const std::string& path) {
        // The same window for every file, so that files of the same shape
        // are laid out alike and their snapshots compare.
        program_.Window().resize(480, 400);
        test::Spin(50);
        OpenMovie(program_.MainForm(), path);
        MpvPlayer& player = program_.Player();
        Outcome o;
        o.loaded = !player.Reference().empty();
        Step([&] { o.rect = player.MovieRect(); });
        if (o.loaded && !o.rect.empty()) {
            o.under_way =
                test::WaitFor([&] { return player.Position() > 0.05 || player.IsAtEnd(); }, 8000);
        }
        Step([&] { player.Pause(); });
        if (o.Plays() && !logo_.isNull()) o.logo = Alike(Snapshot(), logo_);
        return o;
    }

  private:
    // The player's picture, small; the controller bar at the bottom left out.
    QImage Snapshot() {
        test::Spin(300);
        const QImage shot = program_.Player().grab().toImage();
        return shot.copy(0, 0, shot.width(), shot.height() * 4 / 5)
            .scaled(32, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    }

    static bool Alike(const QImage& a, const QImage& b) {
        long difference = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
                difference += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                              std::abs(p.blue() - q.blue());
            }
        }
        return difference < 12L * 3 * a.width() * a.height();
    }

    Program program_;
    QImage logo_;
};

QString Escaped(QString text) { return text.replace('|', "\\|"); }

// What a person gets of a file, best last.
enum class Verdict { Nothing, Sound, Picture };

struct Row {
    Sample sample;
    Outcome outcome;

    // The logo in place of a picture is playing only when there is sound.
    Verdict Got() const {
        if (!outcome.Plays()) return Verdict::Nothing;
        if (!outcome.logo) return Verdict::Picture;
        return sample.streams.contains("codec_type=audio") ? Verdict::Sound : Verdict::Nothing;
    }
    QString Told() const {
        switch (Got()) {
            case Verdict::Picture:
                return QStringLiteral("yes");
            case Verdict::Sound:
                return QStringLiteral("sound");
            case Verdict::Nothing:
                break;
        }
        return outcome.Plays() ? QStringLiteral("no, only the logo shows") : QStringLiteral("no");
    }
};

// The filter's extensions by the best that a sample in good shape gave, or
// that the sample set has none in good shape.
struct Summary {
    QStringList picture, sound, nothing, untried;
};

Summary Summarize(const QStringList& extensions, const std::map<QString, std::vector<Row>>& rows) {
    Summary summary;
    for (const QString& ext : extensions) {
        const auto it = rows.find(ext);
        if (it == rows.end()) {
            summary.untried << "." + ext;
            continue;
        }
        Verdict best = Verdict::Nothing;
        bool healthy = false;  // a sample in good shape
        for (const Row& r : it->second) {
            if (r.sample.Broken()) continue;
            healthy = true;
            best = std::max(best, r.Got());
        }
        (!healthy                   ? summary.untried
         : best == Verdict::Picture ? summary.picture
         : best == Verdict::Sound   ? summary.sound
                                    : summary.nothing)
            << "." + ext;
    }
    return summary;
}

QString Table(const QStringList& extensions, const std::map<QString, std::vector<Row>>& rows) {
    QString out;
    QTextStream s(&out);
    s << "# Formats\n\n"
      << "Which files of the Open dialog's \"QuickTime Files\" filter Reelwick plays,\n"
      << "measured on a set of real sample files by the test `reelwick_format_tests`\n"
      << "(tests/integration/test_formats.cpp): each file is opened as from the Open\n"
      << "dialog and counts as playing when the player keeps it, knows its picture\n"
      << "size, or shows the logo for a file of sound alone, and its playback gets\n"
      << "under way. The logo with nothing to hear is not playing. Files marked\n"
      << "*broken* are damaged on purpose: they must fail quietly, and the summary\n"
      << "does not count them.\n\n"
      << "To measure again, from a build folder:\n\n"
      << "```sh\nREELWICK_FORMATS_TABLE=../docs/formats.md tests/reelwick_format_tests\n```\n\n";

    const Summary summary = Summarize(extensions, rows);
    s << "## In short\n\n"
      << "| | Extensions |\n|---|---|\n"
      << "| Plays, with its picture | " << summary.picture.join(' ') << " |\n"
      << "| Plays sound (the logo shows) | " << summary.sound.join(' ') << " |\n"
      << "| Does not play | " << summary.nothing.join(' ') << " |\n"
      << "| No sample in good shape to try | " << summary.untried.join(' ') << " |\n\n";

    s << "## Each sample file\n\n"
      << "| Extension | Sample | What it holds | Plays | Picture |\n|---|---|---|---|---|\n";
    const auto writeRows = [&](const QString& ext) {
        for (const Row& r : rows.at(ext)) {
            s << "| ." << ext << " | " << Escaped(r.sample.path)
              << (r.sample.Broken() ? " *(broken)*" : "") << " | " << Escaped(r.sample.Contents())
              << " | " << r.Told() << " | " << r.outcome.Picture() << " |\n";
        }
    };
    for (const QString& ext : extensions)
        if (rows.count(ext)) writeRows(ext);

    s << "\n## Other sample files\n\n"
      << "Not in the \"QuickTime Files\" filter; they open through \"All files\".\n\n"
      << "| Extension | Sample | What it holds | Plays | Picture |\n|---|---|---|---|---|\n";
    for (const auto& [ext, list] : rows)
        if (!extensions.contains(ext)) writeRows(ext);
    return out;
}

TEST(Formats, MeasuresWhichExtensionsOfTheFilterPlay) {
    const QString folder = test::MediaDir();
    if (folder.isEmpty()) {
        GTEST_SKIP() << "no third-party media: set REELWICK_MEDIA_DIR or put them in "
                        "../shared/media beside the source tree";
    }
    const std::vector<Sample> samples = ReadManifest(folder);
    ASSERT_FALSE(samples.empty()) << "MANIFEST.tsv lists no files";
    const QStringList extensions = FilterExtensions();
    ASSERT_EQ(extensions.size(), 60);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Measurer measurer(dir);

    // The measure itself: clips made here play, with and without a picture
    // (a 320x240 one reports the same rectangle as sound); random bytes do not.
    ASSERT_TRUE(test::CanMakeClips());
    measurer.LearnTheLogo(test::ClipPath(test::Clip::Sine));
    const Outcome sound = measurer.Open(test::ClipPath(test::Clip::Sine));
    EXPECT_TRUE(sound.Plays() && sound.logo);
    const Outcome red = measurer.Open(test::ClipPath(test::Clip::Red43));
    EXPECT_TRUE(red.Plays());
    EXPECT_EQ(red.rect, "0,0,320,240");
    EXPECT_FALSE(red.logo);
    EXPECT_FALSE(measurer.Open(test::ClipPath(test::Clip::Corrupt)).Plays());

    std::map<QString, std::vector<Row>> rows;
    for (const Sample& sample : samples) {
        const QString ext = sample.Extension();
        if (ext.isEmpty() || ext == "md" || ext == "tsv") continue;
        const Outcome o = measurer.Open((folder + "/" + sample.path).toStdString());
        std::printf("  %-50s %s %s\n", qPrintable(sample.path), o.Plays() ? "plays" : "fails",
                    qPrintable(o.Picture()));
        rows[ext].push_back({sample, o});
    }

    // Samples of the common kinds in good shape show their picture, or play
    // their sound.
    const auto expect = [&](std::initializer_list<const char*> kinds, Verdict verdict) {
        for (const char* kind : kinds) {
            SCOPED_TRACE(kind);
            ASSERT_TRUE(rows.count(kind)) << "the sample set has no ." << kind << " file";
            for (const Row& r : rows[kind]) {
                if (!r.sample.Broken() && r.sample.Readable()) {
                    EXPECT_EQ(r.Got(), verdict) << r.sample.path.toStdString();
                }
            }
        }
    };
    expect({"mov", "mp4", "avi", "mpg", "gif", "jpg", "png", "bmp", "tif", "flc", "fli"},
           Verdict::Picture);
    expect({"mp3", "mp2", "wav", "aiff", "aifc", "au"}, Verdict::Sound);

    // Every extension of the filter is told of exactly once.
    const Summary summary = Summarize(extensions, rows);
    QStringList all = summary.picture + summary.sound + summary.nothing + summary.untried;
    EXPECT_EQ(all.size(), extensions.size());
    all.removeDuplicates();
    EXPECT_EQ(all.size(), extensions.size());

    const QString table = Table(extensions, rows);
    std::printf("%s", qPrintable(table));

    const QString target = qEnvironmentVariable("REELWICK_FORMATS_TABLE");
    if (!target.isEmpty()) {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            << target.toStdString();
        file.write(table.toUtf8());
    }
}

}  // namespace
}  // namespace rw
