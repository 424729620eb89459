#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rw {

// Subtitle text (ASS and SSA scripts, and the override tags and <font size>
// that SRT and other text formats pass on to the same renderer) with every
// size that no screen can show brought down to one it can. libass draws a
// letter 60000 units high as asked: gigabytes of memory and minutes of the
// player's core, while the picture stands still. Measured with the player:
// within these bounds no script costs more than about 60 MiB or 0.3 s.
//
// Sizes are in the script's own units (its PlayResY is the picture's
// height): a letter as high as the picture, scaled at most 400 %, a border
// or shadow at most a quarter of the picture, and a script at least 64
// units high and wide. A relative size step (\fs+4) is what VSFilter
// multiplies the size by: steps that grow are dropped, as repeated ones
// would grow without bound.
constexpr int kMinPlayRes = 64;
constexpr double kMaxScalePercent = 400;
// Larger files are not read to be checked, and not shown.
constexpr std::size_t kMaxSubtitleBytes = 64u << 20;

struct BoundedSubtitle {
    std::string text;
    int changed = 0;  // how many values were brought down
};

// The text with each value beyond its bound set to the bound; the text as
// it was (changed 0) when every value is within bounds. Never throws on any
// text; the result is never longer than the text and 64 bytes per change.
BoundedSubtitle BoundSubtitleText(std::string_view text);

}  // namespace rw
