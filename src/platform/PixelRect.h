#pragma once

namespace rw {

// A rectangle in pixels, as the window tells the player where the movie
// goes: left, top, right, bottom. Right and bottom are exclusive, so the
// width is right - left.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

}  // namespace rw
