#pragma once

#include <string>

#include "film/ChangeLine.h"
#include "platform/Commands.h"

namespace rw {

// The lines of the picture's commands (film/ChangeLine.h), each worked out
// as the command works out the picture it leaves; empty without a picture,
// where the command changes nothing.
std::string AspectLine(const Action& a, const FilmState& s);    // "Aspect ratio 4:3"
std::string ZoomLine(const Action& a, const FilmState& s);      // "Zoom 107%"
std::string PanLine(const Action& a, const FilmState& s);       // "Picture moved 10% right"
std::string FillLine(const Action& a, const FilmState& s);      // "Fill Window on"
std::string RotationLine(const Action& a, const FilmState& s);  // "Rotated 90°"
std::string DeinterlaceLine(const Action& a, const FilmState& s);
// "Brightness +5", "Contrast -10", "Gamma 0"; for the value `a` changes.
std::string ValueLine(const Action& a, const FilmState& s);

}  // namespace rw
