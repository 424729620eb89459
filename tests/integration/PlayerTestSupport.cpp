#include "PlayerTestSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>

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
            return FromLavfi("color=c=blue:s=640x360:d=2", path);
        case Clip::Anamorphic:
            return FromLavfi("color=c=yellow:s=320x240:d=1", path, {"-vf", "setsar=2"});
        case Clip::Turned:
            return MakeTurned(path);
        case Clip::OneSecond:
            return FromLavfi("testsrc2=s=320x240:d=1", path);
        case Clip::Moving:
            return FromLavfi("testsrc2=s=320x240:d=4", path);
        case Clip::Minute:
            return FromLavfi("color=c=gray:s=160x120:d=60:r=25", path);
        case Clip::Sine:
            return FromLavfi("sine=frequency=440:duration=2", path);
        case Clip::GreenTs:
            return FromLavfi("color=c=green:s=160x120:d=2", path);
        case Clip::Corrupt:
            return WriteCorrupt(path);
    }
    return false;
}

const char* FileName(Clip clip) {
    switch (clip) {
        case Clip::Red43:
            return "red 4x3.mp4";
        case Clip::Blue169:
            return "blue16x9.mp4";
        case Clip::Anamorphic:
            return "anamorphic.mp4";
        case Clip::Turned:
            return "turned.mp4";
        case Clip::OneSecond:
            return "one-second.mp4";
        case Clip::Moving:
            return "moving.mp4";
        case Clip::Minute:
            return "minute.mp4";
        case Clip::Sine:
            return "sine.mp3";
        case Clip::GreenTs:
            return "green.ts";
        case Clip::Corrupt:
            return "corrupt.mp4";
    }
    return "clip";
}

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
    const std::string path = ClipFolder() + "/" + FileName(clip);
    const bool ok = CanMakeClips() && Make(clip, path);
    if (!ok) ADD_FAILURE() << "ffmpeg could not make the test clip " << path;
    return made[clip] = ok ? path : std::string();
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

void Spin(int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
}

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

}  // namespace rw::test
