#pragma once

#include <QTimer>

namespace rw {

// The last way of keeping the screen on, where no desktop service answers
// on the session bus: while held, the X server's screen saver is reset
// (XResetScreenSaver, as if the user had moved the mouse) more often than
// its timeout, re-read each time since the user may change it meanwhile.
// Needs the X11 platform; elsewhere it is not available.
class X11ScreenSaver {
  public:
    X11ScreenSaver();
    ~X11ScreenSaver();
    X11ScreenSaver(const X11ScreenSaver&) = delete;
    X11ScreenSaver& operator=(const X11ScreenSaver&) = delete;

    bool Available() const { return display_ != nullptr; }
    // Resets the saver now and keeps resetting it until Stop.
    void Start();
    void Stop();
    bool Running() const { return timer_.isActive(); }

  private:
    void Reset();

    void* display_ = nullptr;  // Qt's Xlib Display
    QTimer timer_;
};

}  // namespace rw
