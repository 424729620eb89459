#include "playback/Transport.h"

#include <cstdint>
#include <string>

#include "platform/Step.h"
#include "sources/OpenDialog.h"
#include "window/Handlers.h"

namespace rw {

namespace {

std::int32_t AsFlag(Form& form, Menu item) { return form.window.Checked(item) ? 1 : 0; }

// Inverts an option's check mark; a failure leaves it as it was.
void Toggle(Form& form, Menu item) {
    Step([&] { form.window.SetChecked(item, !form.window.Checked(item)); });
}

}  // namespace

void PlayMovie(Form& form) {
    Step([&] { form.player.Play(); });
    Step([&] { form.player.SetLoop(AsFlag(form, Menu::MovieLoop)); });
    Step([&] { form.player.SetController(AsFlag(form, Menu::MovieControls)); });
}

void mnuMoviePlay_Click(Form& form) {
    std::string loaded;
    Step([&] { loaded = form.player.Reference(); });
    if (loaded.empty()) {
        mnuFileOpen_Click(form);
    } else {
        PlayMovie(form);
    }
}

void mnuMoviePause_Click(Form& form) {
    Step([&] { form.player.Pause(); });
}

void mnuMovieRewind_Click(Form& form) {
    Step([&] { form.player.Rewind(); });
}

void mnuMovieControls_Click(Form& form) {
    Toggle(form, Menu::MovieControls);
    Step([&] { form.player.SetController(AsFlag(form, Menu::MovieControls)); });
    Step([&] { Form_Resize(form); });
}

void mnuMovieLoop_Click(Form& form) {
    Toggle(form, Menu::MovieLoop);
    Step([&] { form.player.SetLoop(AsFlag(form, Menu::MovieLoop)); });
}

void mnuPlayLastMovie_Click(Form& form) { Toggle(form, Menu::PlayLastMovie); }

void mnuMovieSize_Click(Form& form) {
    Toggle(form, Menu::MovieSize);
    Step([&] { Form_Resize(form); });
}

void mnuMovieOnTop_Click(Form& form) {
    Toggle(form, Menu::MovieOnTop);
    Step([&] { form.window.SetTopMost(form.window.Checked(Menu::MovieOnTop)); });
}

}  // namespace rw
