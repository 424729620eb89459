#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>
#include <QWidget>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>

#include "Program.h"
#include "platform/qt/QtWindow.h"
#include "window/Layout.h"

namespace rw::test {
namespace {

bool Ffmpeg(QStringList args) {
    args = QStringList{"-nostdin", "-loglevel", "error", "-y"} + args;
    return QProcess::execute("ffmpeg", args) == 0;
}

// A clip from an ffmpeg lavfi source, in yuv420p unless it is sound only.
bool FromLavfi(const QString& source, const std::string& path, QStringList extra = {}) {
    if (!path.ends_with(".mp3"))
        extra << "-pix_fmt"
              << "yuv420p";
    return Ffmpeg(QStringList{"-f", "lavfi", "-i", source} + extra +
                  QStringList{QString::fromStdString(path)});
}

// Bytes no demuxer recognises (a fixed seed keeps the file the same).
bool WriteCorrupt(const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    std::mt19937 bytes(20240611);
    for (int i = 0; i < 20000; ++i) file.put(static_cast<char>(bytes() & 0xff));
    return static_cast<bool>(file);
}

// Left half red, right half blue, with the rotation metadata phones write.
bool MakeTurned(const std::string& path) {
    const std::string upright = ClipFolder() + "/upright.mp4";
    return FromLavfi("color=c=red:s=320x240:d=1,drawbox=x=160:w=160:h=240:c=blue:t=fill",
                     upright) &&
           Ffmpeg({"-i", QString::fromStdString(upright), "-c", "copy", "-metadata:s:v:0",
                   "rotate=90", QString::fromStdString(path)});
}

bool Make(Clip clip, const std::string& path) {
    switch (clip) {
        case Clip::Red43:
            return FromLavfi("color=c=red:s=320x240:d=2", path);
        case Clip::Blue169:
            return FromLavfi("color=c=blue:s=640x360:d=4", path);
        case Clip::SmallRed:
            return FromLavfi("color=c=red:s=160x120:d=3", path);
        case Clip::Anamorphic:
            return FromLavfi("color=c=yellow:s=320x240:d=1", path, {"-vf", "setsar=2"});
        case Clip::Turned:
            return MakeTurned(path);
        case Clip::OneSecond:
            return FromLavfi("testsrc2=s=320x240:d=1:r=25", path);
        case Clip::Moving:
            return FromLavfi("testsrc2=s=320x240:d=4", path);
        case Clip::Minute:
            return FromLavfi("color=c=gray:s=160x120:d=60:r=25", path);
        case Clip::Sine:
            return FromLavfi("sine=frequency=440:duration=2", path);
        case Clip::GreenTs:
            return FromLavfi("color=c=green:s=160x120:d=2", path);
        case Clip::RedStream:
            return FromLavfi("color=c=red:s=320x240:d=4:r=25", path,
                             {"-c:v", "libx264", "-g", "1", "-movflags", "+faststart"});
        case Clip::Corrupt:
            return WriteCorrupt(path);
    }
    return false;
}

const std::pair<Clip, const char*> kFileNames[] = {
    {Clip::Red43, "red 4x3.mp4"},
    {Clip::Blue169, "blue16x9.mp4"},
    {Clip::SmallRed, "small red.mp4"},
    {Clip::Anamorphic, "anamorphic.mp4"},
    {Clip::Turned, "turned.mp4"},
    {Clip::OneSecond, "one-second.mp4"},
    {Clip::Moving, "moving.mp4"},
    {Clip::Minute, "minute.mp4"},
    {Clip::Sine, "sine.mp3"},
    {Clip::GreenTs, "green.ts"},
    {Clip::RedStream, "red stream.mp4"},
    {Clip::Corrupt, "corrupt.mp4"},
};

}  // namespace

bool CanMakeClips() {
    static const bool found = !QStandardPaths::findExecutable("ffmpeg").isEmpty();
    return found;
}

std::string ClipFolder() {
    static QTemporaryDir folder;
    return folder.path().toStdString();
}

std::string ClipPath(Clip clip) {
    static std::map<Clip, std::string> made;
    if (const auto found = made.find(clip); found != made.end()) return found->second;
    const std::string path = ClipFolder() + "/" + NameOf(clip, kFileNames);
    const bool ok = CanMakeClips() && Make(clip, path);
    if (!ok) ADD_FAILURE() << "ffmpeg could not make the test clip " << path;
    return made[clip] = ok ? path : std::string();
}

std::string MakeClip(const QTemporaryDir& dir, const QString& name, const QString& video,
                     const QStringList& encoding) {
    const std::string path = dir.filePath(name).toStdString();
    return FromLavfi(video, path, encoding) ? path : std::string();
}

QColor MeanColour(const QImage& image, int x, int y, int radius) {
    long r = 0, g = 0, b = 0, n = 0;
    for (int yy = y - radius; yy <= y + radius; ++yy) {
        for (int xx = x - radius; xx <= x + radius; ++xx) {
            if (!image.valid(xx, yy)) continue;
            const QColor c = image.pixelColor(xx, yy);
            r += c.red();
            g += c.green();
            b += c.blue();
            ++n;
        }
    }
    if (n == 0) return QColor();
    return QColor(int(r / n), int(g / n), int(b / n));
}

bool IsRed(const QColor& c) { return c.red() > 180 && c.green() < 70 && c.blue() < 70; }

bool IsBlack(const QColor& c) { return c.red() < 30 && c.green() < 30 && c.blue() < 30; }

QColor PixelAt(QWidget& widget, QPoint point) { return widget.grab().toImage().pixelColor(point); }

bool IsNear(const QColor& a, const QColor& b) {
    constexpr int kTolerance = 40;
    return std::abs(a.red() - b.red()) <= kTolerance &&
           std::abs(a.green() - b.green()) <= kTolerance &&
           std::abs(a.blue() - b.blue()) <= kTolerance;
}

QImage SolidImage(const QColor& colour, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

std::optional<PixelRect> FittedRect(Program& p) {
    QtWindow& w = p.Window();
    LayoutInput in;
    in.clientWidth = w.ClientWidth();
    in.clientHeight = w.ClientHeight();
    in.logoWidth = w.LogoWidth();
    in.logoHeight = w.LogoHeight();
    in.movieAspect = p.MainForm().movieAspect;
    in.originalSize = w.Checked(Menu::MovieSize);
    in.showControls = w.Checked(Menu::MovieControls);
    in.twipsPerPixelX = w.TwipsPerPixelX();
    in.twipsPerPixelY = w.TwipsPerPixelY();
    return ComputeLayout(in).movieRect;
}

bool FlipsLoop(Program& p) {
    const bool before = p.Window().Checked(Menu::MovieLoop);
    QMetaObject::invokeMethod(p.Window().MenuAction(Menu::MovieLoop), "trigger",
                              Qt::QueuedConnection);
    return QTest::qWaitFor([&] { return p.Window().Checked(Menu::MovieLoop) != before; }, 5000);
}

QString MediaFile::Extension() const {
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf('.');
    return dot < 0 ? QString() : name.mid(dot + 1).toLower();
}

QString MediaDir() {
    QString dir = qEnvironmentVariable("REELWICK_MEDIA_DIR");
    if (dir.isEmpty()) dir = QStringLiteral(REELWICK_SOURCE_DIR "/../shared/media");
    return QFileInfo(dir + "/MANIFEST.tsv").exists() ? QDir(dir).absolutePath() : QString();
}

std::vector<MediaFile> SharedMedia() { return ReadManifest(MediaDir()); }

QString OwnSamplesDir() { return QStringLiteral(REELWICK_SOURCE_DIR "/tests/samples"); }

std::vector<MediaFile> ReadManifest(const QString& folder) {
    std::vector<MediaFile> files;
    if (folder.isEmpty()) return files;
    QFile manifest(folder + "/MANIFEST.tsv");
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) return files;
    QTextStream lines(&manifest);
    lines.readLine();  // the column names
    while (!lines.atEnd()) {
        const QStringList columns = lines.readLine().split('\t');
        if (columns.size() >= 6 && !columns[0].isEmpty())
            files.push_back({columns[0], columns[4], columns[5]});
    }
    return files;
}

}  // namespace rw::test
