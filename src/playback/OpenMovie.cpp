#include "playback/OpenMovie.h"

#include <cmath>

#include "platform/Step.h"
#include "playback/AspectRatio.h"
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

void OpenMovie(Form& form, std::string movie) {
    const auto generation = ++form.openGeneration;
    // A newer OpenMovie that ran inside one of our yields has the user's
    // latest choice; this older call must not load its movie over it.
    const auto superseded = [&] { return form.openGeneration != generation; };
    IWindow& w = form.window;

    Step([&] { w.Show(); });
    Step([&] { w.SetCaption("Loading..."); });
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
    if (form.movieAspect != 0 && !std::isnan(form.movieAspect)) {
        Step([&] { Form_Resize(form); });
        Step([&] { PlayMovie(form); });
    }
    Step([&] { w.SetCaption(kAppTitle); });
}

}  // namespace rw
