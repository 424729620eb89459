#pragma once

#include <string>

#include "window/Form.h"

namespace rw {

// Removes one pair of surrounding double quotes.
std::string StripQuotes(const std::string& reference);

// Loads a movie, records it in the recent list, fits the window to it and
// plays it. Every way of choosing a movie ends here.
void OpenMovie(Form& form, std::string movie);

// The movie of the newest OpenMovie, which was still loading when that call
// went on without it, has now loaded or failed (the player says so). A movie
// that loaded is fitted and played as OpenMovie would have done; a failed one
// is left alone. Does nothing when no OpenMovie waits, when a newer one ran
// since, or for a second time.
void MovieArrived(Form& form);

// The loaded movie's picture changed its shape while it played (the player
// says so): its aspect ratio is taken again and the window laid out for it,
// which may shorten the window but never makes it taller. Playback goes on
// as it was. Does nothing while a movie is still awaited (MovieArrived fits
// that one) or when the shape cannot be read.
void MovieReshaped(Form& form);

}  // namespace rw
