#include "platform/desktop/X11ScreenSaver.h"

#include <QGuiApplication>
#include <algorithm>

// Xlib after Qt: its macros (None, Bool, Status) would break Qt's headers.
#include <X11/Xlib.h>

namespace rw {
namespace {

// Longest pause between two resets, also when the saver is off (timeout 0),
// so that turning it on meanwhile is noticed; shortest, for a timeout of a
// second.
constexpr int kLongestMs = 30000;
constexpr int kShortestMs = 500;

}  // namespace

X11ScreenSaver::X11ScreenSaver() {
    if (const auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        display_ = x11->display();
    }
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Reset(); });
}

X11ScreenSaver::~X11ScreenSaver() = default;

void X11ScreenSaver::Start() {
    if (display_ == nullptr || timer_.isActive()) return;
    Reset();
}

void X11ScreenSaver::Stop() { timer_.stop(); }

void X11ScreenSaver::Reset() {
    auto* display = static_cast<Display*>(display_);
    XResetScreenSaver(display);
    int timeout = 0, interval = 0, preferBlanking = 0, allowExposures = 0;
    XGetScreenSaver(display, &timeout, &interval, &preferBlanking, &allowExposures);
    XFlush(display);
    const int halfMs = timeout > 0 ? timeout * 1000 / 2 : kLongestMs;
    timer_.start(std::clamp(halfMs, kShortestMs, kLongestMs));
}

}  // namespace rw
