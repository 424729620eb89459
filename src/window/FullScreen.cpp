#include "window/FullScreen.h"

#include "platform/Step.h"

namespace rw {

void ToggleFullScreen(Form& form) {
    bool on = false;
    // Without knowing where the window is, a toggle could go either way.
    if (!Step([&] { on = form.window.FullScreen(); })) return;
    Step([&] { form.window.SetFullScreen(!on); });
}

void LeaveFullScreen(Form& form) {
    bool on = false;
    if (Step([&] { on = form.window.FullScreen(); }) && on) {
        Step([&] { form.window.SetFullScreen(false); });
    }
}

}  // namespace rw
