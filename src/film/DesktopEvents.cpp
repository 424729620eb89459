#include "film/DesktopEvents.h"

#include "platform/Step.h"
#include "playback/OpenMovie.h"

namespace rw {

// An address or a path from the desktop opens as any other road opens one.
void DesktopEvents::OnOpen(const std::string& reference) {
    OpenMovie(commands_.MainForm(), reference);
}

bool DesktopEvents::LoopOn() {
    bool on = false;
    Step([&] { on = commands_.MainForm().window.Checked(Menu::MovieLoop); });
    return on;
}

bool DesktopEvents::CanGoNext() {
    return commands_.Film() != nullptr && commands_.Film()->Neighbour(+1).has_value();
}

bool DesktopEvents::CanGoPrevious() {
    return commands_.Film() != nullptr && commands_.Film()->Neighbour(-1).has_value();
}

}  // namespace rw
