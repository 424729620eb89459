#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "window/Form.h"

namespace rw {

// The fields of a rectangle text "left,top,right,bottom", as the player
// reports its movie's rectangle. Fields that do not parse count as 0,
// missing ones as well, and fields past the fourth are ignored.
std::array<std::int32_t, 4> ReadRectText(const std::string& text);

// Height over width of a rectangle text, read as ReadRectText reads it; a
// zero width gives not-a-number or an infinity, an overflowing difference
// gives 0.
double AspectFromRectText(const std::string& text);

// Asks the player for its rectangle; not-a-number when it cannot answer.
double MovieAspectRatio(Form& form);

}  // namespace rw
