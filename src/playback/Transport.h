#pragma once

#include "window/Form.h"

namespace rw {

// Starts playback and sends the loop and controller options.
void PlayMovie(Form& form);

void mnuMoviePlay_Click(Form& form);
void mnuMoviePause_Click(Form& form);
void mnuMovieRewind_Click(Form& form);
void mnuMovieControls_Click(Form& form);
void mnuMovieLoop_Click(Form& form);
void mnuPlayLastMovie_Click(Form& form);
void mnuMovieSize_Click(Form& form);
void mnuMovieOnTop_Click(Form& form);

}  // namespace rw
