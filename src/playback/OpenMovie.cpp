#include "playback/OpenMovie.h"

#include <cmath>

#include "platform/Step.h"
#include "platform/Tr.h"
#include "playback/MovieRatio.h"
#include "playback/Transport.h"
#include "sources/RecentList.h"
#include "window/Handlers.h"

namespace rw {

std::string StripQuotes(const std::string& reference) {
    if (reference.size() >= 2 && reference.front() == '"' && reference.back() == '"') {
        return reference.substr(1, reference.size() - 2);
    }
    return reference;
}

namespace {

// A not-a-number ratio counts as 0; an infinite one (a movie of no width)
// still fits and plays.
bool IsUsableAspect(double aspect) { return aspect != 0 && !std::isnan(aspect); }

void FitAndPlay(Form& form) {
    Step([&] { Form_Resize(form); });
    Step([&] { PlayMovie(form); });
}

}  // namespace

void OpenMovie(Form& form, std::string movie) {
    const auto generation = ++form.openGeneration;
    // A newer OpenMovie that ran inside one of our yields has the user's
    // latest choice; this older call must not load its movie over it.
    const auto superseded = [&] { return form.openGeneration != generation; };
    IWindow& w = form.window;

    Step([&] { w.Show(); });
    Step([&] { w.SetCaption(RW_TR("Window", "Loading...")); });
    Step([&] { w.ProcessEvents(); });
    if (superseded()) return;

    movie = StripQuotes(movie);
    Step([&] { w.SetFilesVisible(false); });
    Step([&] { w.SetLogoVisible(false); });
    Step([&] { w.ShowPlayer(); });
    Step([&] { w.ProcessEvents(); });
    if (superseded()) return;

    Step([&] { form.player.Load(movie); });
    if (superseded()) return;
    Step([&] { form.player.SetBackground("Black"); });
    Step([&] { w.ProcessEvents(); });
    if (superseded()) return;

    Step([&] { PushRecentEntry(form, movie); });
    form.movieAspect = MovieAspectRatio(form);
    if (IsUsableAspect(form.movieAspect)) {
        form.lateMovieGeneration = 0;
        FitAndPlay(form);
    } else {
        // The player may still be loading it (a slow server): MovieArrived
        // finishes the work when it comes.
        form.lateMovieGeneration = generation;
    }
    Step([&] { w.SetCaption(kAppTitle); });
}

void MovieArrived(Form& form) {
    if (form.lateMovieGeneration == 0 || form.lateMovieGeneration != form.openGeneration) return;
    // Once only: a load settles once, and a failed one stays refused.
    form.lateMovieGeneration = 0;
    const double aspect = MovieAspectRatio(form);
    if (!IsUsableAspect(aspect)) return;
    form.movieAspect = aspect;
    FitAndPlay(form);
}

void MovieReshaped(Form& form) {
    if (form.lateMovieGeneration != 0) return;
    const double aspect = MovieAspectRatio(form);
    if (!IsUsableAspect(aspect) || aspect == form.movieAspect) return;
    form.movieAspect = aspect;
    Step([&] { Form_Resize(form); });
}

}  // namespace rw
