#pragma once

#include "window/Form.h"

namespace rw {

// F11 and a double click on the movie: the movie takes the whole screen, or
// gives it back. The window's resize handler lays the movie out either way.
void ToggleFullScreen(Form& form);

// Escape: back from full screen, if the window is there; otherwise nothing.
void LeaveFullScreen(Form& form);

}  // namespace rw
