#include "FormatsTable.h"

#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>

#include "Program.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"
#include "sources/OpenDialog.h"

namespace rw::test {
namespace {

bool Alike(const QImage& a, const QImage& b) {
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

// "h264 video, aac audio" from ffprobe's "stream|codec_name=...|codec_type=..."
QString Contents(const MediaFile& sample) {
    QStringList parts;
    for (const QString& stream : sample.streams.split(' ', Qt::SkipEmptyParts)) {
        QString codec, type;
        for (const QString& field : stream.split('|')) {
            if (field.startsWith("codec_name=")) codec = field.mid(11);
            if (field.startsWith("codec_type=")) type = field.mid(11);
        }
        const QString part = codec + " " + type;
        if (!codec.isEmpty() && !parts.contains(part)) parts << part;
    }
    if (!parts.isEmpty()) return parts.join(", ");
    // Our own samples say what they are.
    if (sample.note.startsWith("made here: ")) return sample.note.mid(11);
    return QStringLiteral("nothing ffprobe reads");
}

QString Escaped(QString text) { return text.replace('|', "\\|"); }

}  // namespace

QString Outcome::Picture() const {
    if (rect.empty()) return QStringLiteral("-");
    if (logo) return QStringLiteral("none, the logo shows");
    return QString::fromStdString(rect).section(',', 2, 2) + "x" +
           QString::fromStdString(rect).section(',', 3, 3);
}

void Measurer::LearnTheLogo(const std::string& soundOnly) {
    Open(soundOnly);
    logo_ = Snapshot();
}

void Measurer::Prepare() {
    program_.Window().resize(480, 400);
    QTest::qWait(50);
}

Outcome Measurer::Measure() {
    MpvPlayer& player = program_.Player();
    Outcome o;
    o.loaded = !player.Reference().empty();
    Step([&] { o.rect = player.MovieRect(); });
    if (o.loaded && !o.rect.empty()) {
        o.underWay =
            QTest::qWaitFor([&] { return player.Position() > 0.05 || player.IsAtEnd(); }, 8000);
    }
    o.sound = player.HasSound();
    Step([&] { player.Pause(); });
    if (o.Plays() && !logo_.isNull()) o.logo = Alike(Snapshot(), logo_);
    return o;
}

Outcome Measurer::Open(const std::string& path) {
    Prepare();
    OpenMovie(program_.MainForm(), path);
    return Measure();
}

// The player's picture, small; the controller bar at the bottom left out.
QImage Measurer::Snapshot() {
    QTest::qWait(300);
    const QImage shot = program_.Player().grab().toImage();
    return shot.copy(0, 0, shot.width(), shot.height() * 4 / 5)
        .scaled(32, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

Verdict Row::Got() const {
    if (!outcome.Plays()) return Verdict::Nothing;
    if (!outcome.logo) return Verdict::Picture;
    // The player's own word: a MIDI file, say, has no stream ffprobe reads.
    return outcome.sound ? Verdict::Sound : Verdict::Nothing;
}

QString Row::Told() const {
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

Summary Summarize(const QStringList& extensions, const Rows& rows) {
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

QStringList FilterExtensions() {
    QStringList extensions;
    // Keep the parsed filters alive: the loop walks a member of them.
    const auto filters = ParseFilter(kOpenFilter);
    for (const std::string& pattern : filters.at(0).patterns)
        extensions << QString::fromStdString(pattern).mid(2).toLower();  // "*.mov"
    return extensions;
}

QString Table(const QStringList& extensions, const Rows& rows) {
    QString out;
    QTextStream s(&out);
    s << "# Formats\n\n"
      << "Which files of the Open dialog's \"QuickTime Files\" filter Reelwick plays,\n"
      << "measured on a set of real sample files by the test `reelwick_media_tests`\n"
      << "(tests/integration/test_shared_media.cpp): each file is opened as from the\n"
      << "Open dialog and counts as playing when the player keeps it, knows its picture\n"
      << "size, or shows the logo for a file of sound alone, and its playback gets\n"
      << "under way. The logo with nothing to hear is not playing. Files marked\n"
      << "*broken* are damaged on purpose: they must fail quietly, and the summary\n"
      << "does not count them.\n\n"
      << "To measure again, from the source folder (it builds the test in\n"
      << "build-test, or in the build folder named):\n\n"
      << "```sh\nscripts/formats_table.sh\n```\n\n";

    const Summary summary = Summarize(extensions, rows);
    s << "## In short\n\n"
      << "| | Extensions |\n|---|---|\n"
      << "| Plays, with its picture | " << summary.picture.join(' ') << " |\n"
      << "| Plays sound (the logo shows) | " << summary.sound.join(' ') << " |\n"
      << "| Does not play | " << summary.nothing.join(' ') << " |\n"
      << "| No sample in good shape to try | " << summary.untried.join(' ') << " |\n\n";

    s << "## What does not play, and why\n\n"
      << "- .fpx (FlashPix): neither FFmpeg nor any maintained library in the\n"
      << "  distribution reads it; such a file is refused quietly.\n"
      << "- .m3u and .qtl: the player reads playlists itself and opens the first\n"
      << "  entry that plays; the shared samples list only network streams\n"
      << "  (http://, rtsp://), which play only where the network reaches their\n"
      << "  servers. The playlists of local files in tests/samples play.\n"
      << "- .sdp: the sample describes a live RTP stream on the local network,\n"
      << "  which plays only while something sends it.\n"
      << "- .smi: the sample is SAMI subtitles, no movie; a .smi file that is\n"
      << "  SMIL plays as a playlist, like .smil and .sml.\n\n"
      << "## Read by the player itself\n\n"
      << "- .mid, .midi, .kar and .smf (MIDI) are synthesised with FluidSynth and\n"
      << "  a General MIDI sound font (fluid-soundfont-gm when installed, else\n"
      << "  timgm6mb-soundfont); ffprobe reads none of them. A file lasts until\n"
      << "  its last note has ended, and 2 s more for it to fade, however long\n"
      << "  its tracks run on.\n"
      << "- .mac and .pnt (MacPaint) and .pict, .pct and .pic (PICT) are decoded\n"
      << "  by the player, which takes a file by such a name or by a strict test\n"
      << "  of its content; a file that starts as a JPEG, PNG, GIF, BMP, TIFF,\n"
      << "  PSD or WebP picture goes to libmpv whatever its name, and so does a\n"
      << "  file the player's readers refuse.\n"
      << "- MacPaint: 576x720 pixels of one bit, bare or behind a MacBinary\n"
      << "  header, of version 0, 2 or 3. Its patterns are not read.\n"
      << "- PICT, versions 1 and 2: the bitmap opcodes (BitsRect, PackBitsRect,\n"
      << "  DirectBitsRect and their region forms; 1 to 8 bits of colour table,\n"
      << "  16 and 32 bits of direct colour), drawn on white in the picture's own\n"
      << "  pixels (the source rectangle of an extended header, at its dpi), and\n"
      << "  QuickTime JPEG pictures, each band at its place instead of the bitmap\n"
      << "  that stands in for it. Not drawn: lines, shapes, regions, patterns\n"
      << "  and text (a PICT of vector drawing only is refused), transfer modes\n"
      << "  and masks, QuickTime codecs other than JPEG (their stand-in bitmap\n"
      << "  shows) and JPEG bands turned or sheared by their matrix.\n"
      << "- Playlists (.m3u, .m3u8 without HLS tags, .pls, .qtl, SMIL) in UTF-8,\n"
      << "  or in UTF-16 with a byte order mark; SMIL's video, audio, img, ref,\n"
      << "  animation and media elements (of a switch, only its first choice that\n"
      << "  plays: systemLanguage and systemRequired are tested, the other tests\n"
      << "  pass). An entry with back slashes (written on Windows) is tried with\n"
      << "  slashes, and an .m3u entry that is not UTF-8 in Latin-1 (Windows-1252),\n"
      << "  when no file has its name as written.\n"
      << "  Not read: SMIL's text, textstream and brush elements, its timing and\n"
      << "  layout; the titles and lengths of M3U and PLS entries.\n"
      << "- Samples under tests/samples are made by tests/samples/make_samples.py\n"
      << "  for kinds the shared media have no good sample of; a few come from\n"
      << "  other projects' test files (their source and licence are in\n"
      << "  tests/samples/MANIFEST.tsv).\n\n";

    s << "## Each sample file\n\n"
      << "| Extension | Sample | What it holds | Plays | Picture |\n|---|---|---|---|---|\n";
    const auto writeRows = [&](const QString& ext) {
        for (const Row& r : rows.at(ext)) {
            s << "| ." << ext << " | " << Escaped(r.sample.path)
              << (r.sample.Broken() ? " *(broken)*" : "") << " | " << Escaped(Contents(r.sample))
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

}  // namespace rw::test
