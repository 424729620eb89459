#include "window/DesktopEvents.h"

#include "platform/Step.h"
#include "playback/OpenMovie.h"
#include "playback/Transport.h"
#include "window/Handlers.h"

namespace rw {

// Play with nothing loaded runs the Open dialog from the menu. A media key
// may be pressed while the window is hidden behind others or minimized, and
// a modal dialog popping up from it would be a surprise; MPRIS also asks
// Play with nothing to play to do nothing.
void DesktopEvents::OnPlay() {
    std::string loaded;
    Step([&] { loaded = form_.player.Reference(); });
    if (!loaded.empty()) mnuMoviePlay_Click(form_);
}

void DesktopEvents::OnPause() { mnuMoviePause_Click(form_); }

void DesktopEvents::OnStop() {
    mnuMoviePause_Click(form_);
    mnuMovieRewind_Click(form_);
}

void DesktopEvents::OnOpen(const std::string& reference) { OpenMovie(form_, reference); }

void DesktopEvents::OnLoop(bool on) {
    if (LoopOn() != on) mnuMovieLoop_Click(form_);
}

void DesktopEvents::OnQuit() { mnuFileExit_Click(form_); }

bool DesktopEvents::LoopOn() {
    bool on = false;
    Step([&] { on = form_.window.Checked(Menu::MovieLoop); });
    return on;
}

}  // namespace rw
