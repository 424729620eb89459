#include "film/DesktopEvents.h"

#include <algorithm>
#include <cmath>
#include <iterator>

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

void DesktopEvents::OnNext() {
    if (film_) film_->Run({FilmCommand::NextMovie});
}

void DesktopEvents::OnPrevious() {
    if (film_) film_->Run({FilmCommand::PreviousMovie});
}

bool DesktopEvents::CanGoNext() { return film_ && film_->Neighbour(+1).has_value(); }

bool DesktopEvents::CanGoPrevious() { return film_ && film_->Neighbour(-1).has_value(); }

// Media widgets offer 0.5 to 2 (MinimumRate and MaximumRate); a rate of 0
// pauses, as they expect.
void DesktopEvents::OnRate(double rate) {
    if (!film_ || !std::isfinite(rate) || rate < 0) return;
    if (rate == 0) {
        mnuMoviePause_Click(form_);
        return;
    }
    film_->Run(
        {FilmCommand::SetSpeed, std::clamp(rate, kSpeeds[0], kSpeeds[std::size(kSpeeds) - 1])});
}

}  // namespace rw
