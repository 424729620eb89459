#pragma once

#include <string>

#include "window/Form.h"

namespace rw {

// Removes one pair of surrounding double quotes.
std::string StripQuotes(const std::string& reference);

// Loads a movie, records it in the recent list, fits the window to it and
// plays it. Every way of choosing a movie ends here.
void OpenMovie(Form& form, std::string movie);

}  // namespace rw
