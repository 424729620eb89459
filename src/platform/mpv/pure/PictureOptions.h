#pragma once

#include <array>
#include <string>

#include "platform/PictureControls.h"

namespace rw {

// What libmpv is told for a shape chosen as width over height: "-1" (the
// file's own) for 0 or anything unusable.
std::string AspectOverrideText(double aspect);

// The filter that gives the software renderer, which applies no colour
// controls of its own, the picture values libmpv's OpenGL renderer would
// apply (brightness added, contrast and saturation as factors, gamma as a
// power of 8); empty while all are at their defaults, so that a picture left
// as it is goes through no filter.
std::string EqualizerFilter(const std::array<int, kPictureValueCount>& values);

// The size a picture of display size `width` by `height` is shown at, turned
// by `turn` degrees on top of it: sideways for a quarter turn either way.
struct TurnedSize {
    int width = 0;
    int height = 0;
};
TurnedSize Turned(int width, int height, int turn);

}  // namespace rw
