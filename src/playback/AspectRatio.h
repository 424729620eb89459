#pragma once

#include <string>

#include "window/Form.h"

namespace rw {

// Height over width of a rectangle text "left,top,right,bottom". Fields that
// do not parse count as 0, fields past the fourth are ignored; a zero width
// gives not-a-number or an infinity, an overflowing difference gives 0.
double AspectFromRectText(const std::string& text);

// Asks the player for its rectangle; not-a-number when it cannot answer.
double MovieAspectRatio(Form& form);

}  // namespace rw
