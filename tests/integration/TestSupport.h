#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/mpv/pure/MovieGeometry.h"

class QWidget;

namespace rw {
class Program;
}

namespace rw::test {

// -- clips ---------------------------------------------------------------------

// Small clips made with ffmpeg when a test first asks for them, in a
// temporary folder that lasts as long as the test program.
enum class Clip {
    Red43,       // 320x240, red, 2 s; its name has a space
    Blue169,     // 640x360, blue, 4 s
    SmallRed,    // 160x120, red, 3 s
    Anamorphic,  // 320x240 with pixels twice as wide: shown 640x240
    Turned,      // 320x240, left red, right blue, marked to be turned a quarter
    OneSecond,   // 320x240 moving pattern at 25 fps, 1 s
    Moving,      // 320x240 moving pattern, 4 s
    Minute,      // 160x120 grey, 60 s
    Sine,        // sound only, 2 s
    GreenTs,     // 160x120 green MPEG-TS, 2 s, for streaming through a pipe
    RedStream,   // 320x240 red, 4 s, every frame a key frame and the index at
                 // the front, as a web server would offer it
    Corrupt,     // random bytes named .mp4
};

// Whether ffmpeg is there to make clips.
bool CanMakeClips();
// The clip's path; empty text, and a failed test, when it could not be made.
std::string ClipPath(Clip clip);
// The temporary folder of the clips, for other scratch files.
std::string ClipFolder();
// A clip of an ffmpeg lavfi source (such as "color=c=red:s=320x240:d=2") named
// `name` in `dir`, for a test that needs a name or a length the list above
// does not have, encoded with `encoding` (ffmpeg's options) if given; its
// path, or empty text when ffmpeg failed.
std::string MakeClip(const QTemporaryDir& dir, const QString& name, const QString& video,
                     const QStringList& encoding = {});

// -- pictures ------------------------------------------------------------------

// Mean colour of a square of the image around (x, y).
QColor MeanColour(const QImage& image, int x, int y, int radius = 4);
bool IsRed(const QColor& c);
bool IsBlack(const QColor& c);
QColor PixelAt(QWidget& widget, QPoint point);
// Colours as near as a video's YUV round trip leaves them.
bool IsNear(const QColor& a, const QColor& b);
QImage SolidImage(const QColor& colour, int width, int height);

// -- the program ---------------------------------------------------------------

// The movie rectangle the layout sends for the window's present client area
// and the form's ratio; none when it sends none.
std::optional<PixelRect> FittedRect(Program& p);
// Asks the program to flip Loop Movie through its event loop and waits for
// the answer: whether the window answers its menu.
bool FlipsLoop(Program& p);

// -- the shared third-party media ----------------------------------------------

// One file of the shared media as their MANIFEST.tsv describes it.
struct MediaFile {
    QString path;     // relative to the media folder
    QString note;     // "problematic" marks a file broken on purpose
    QString streams;  // what ffprobe found

    bool Broken() const { return note.contains(QLatin1String("problematic")); }
    // Holding sound or pictures that ffprobe reads.
    bool Readable() const {
        return streams.contains(QLatin1String("codec_type=video")) ||
               streams.contains(QLatin1String("codec_type=audio"));
    }
    // In lower case, without the dot; empty text when the name has none.
    QString Extension() const;
};

// Folder of the shared media, or empty text when absent.
QString MediaDir();
// The files the manifest lists, in its order; none when the media are absent.
std::vector<MediaFile> SharedMedia();
// Samples of our own making (tests/samples, made by its make_samples.py), of
// kinds the shared media have no good sample of; their manifest has the same
// columns.
QString OwnSamplesDir();
// The files a folder's MANIFEST.tsv lists; none when it has none.
std::vector<MediaFile> ReadManifest(const QString& folder);
// What a test that needs the media says when it skips.
inline constexpr char kNoMedia[] =
    "no third-party media: set REELWICK_MEDIA_DIR or put them in ../shared/media beside the "
    "source tree";

// -- names ---------------------------------------------------------------------

// The name `value` has in a table of every value of its enumeration, for test
// names, failure messages and reports; "?" when the table lacks it.
template <typename Enum, std::size_t N>
const char* NameOf(Enum value, const std::pair<Enum, const char*> (&names)[N]) {
    for (const auto& [known, name] : names)
        if (known == value) return name;
    return "?";
}

}  // namespace rw::test
