#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <functional>
#include <string>

class QWidget;

namespace rw::test {

// Small clips made with ffmpeg when a test first asks for them, in a
// temporary folder that lasts as long as the test program.
enum class Clip {
    Red43,       // 320x240, red, 2 s; its name has a space
    Blue169,     // 640x360, blue, 2 s
    Anamorphic,  // 320x240 with pixels twice as wide: shown 640x240
    Turned,      // 320x240, left red, right blue, marked to be turned a quarter
    OneSecond,   // 320x240 moving pattern, 1 s
    Moving,      // 320x240 moving pattern, 4 s
    Minute,      // 160x120 grey, 60 s
    Sine,        // sound only, 2 s
    GreenTs,     // 160x120 green MPEG-TS, 2 s, for streaming through a pipe
    Corrupt,     // random bytes named .mp4
};

// Whether ffmpeg is there to make clips.
bool CanMakeClips();
// The clip's path; empty text, and a failed test, when it could not be made.
std::string ClipPath(Clip clip);
// The temporary folder of the clips, for other scratch files.
std::string ClipFolder();

// Runs the event loop until `condition` holds or `timeoutMs` has passed;
// returns whether it holds.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
// Runs the event loop for `ms` milliseconds.
void Spin(int ms);

QColor PixelAt(QWidget& widget, QPoint point);
// Colours as near as a video's YUV round trip leaves them.
bool IsNear(const QColor& a, const QColor& b);
QImage SolidImage(const QColor& colour, int width, int height);

}  // namespace rw::test
