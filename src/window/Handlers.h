#pragma once

#include "window/Form.h"

namespace rw {

// Start-up: placement, state, options, recent movies, Stay On Top, and the
// first movie.
void Form_Load(Form& form);
// Shutdown: writes every setting back.
void Form_Unload(Form& form);
void mnuFileExit_Click(Form& form);
// Lays out the controls and fits the movie into the client area.
void Form_Resize(Form& form);

}  // namespace rw
