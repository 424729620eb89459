#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rw {

// A rectangle in pixels as the window sends it: left, top, right, bottom.
// Right and bottom are exclusive, so the width is right - left.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

// Parses "left,top,right,bottom": exactly four decimal integers, each
// optionally surrounded by spaces. Anything else gives nothing.
std::optional<PixelRect> ParseMovieRect(std::string_view text);

// "0,0,width,height", the form in which the player reports a movie's size.
std::string FormatMovieRect(int width, int height);

// Where the controller bar goes: directly below the movie and as wide as the
// part of it inside the player's area, so that every control is on screen.
// Where that part is narrower than the bar's controls need (a portrait movie
// in a wide window), the bar spans the whole area instead. When the area has
// no room below the movie, the bar moves up to stay inside it and covers the
// bottom of the movie. Nothing (no value) when the movie is drawn with no
// width or a negative height.
struct BarRoom {
    int areaWidth = 0;
    int areaHeight = 0;
    int neededWidth = 0;  // what the bar's controls need, at least
};
std::optional<PixelRect> ControllerBarRect(const PixelRect& movie, int barHeight,
                                           const BarRoom& room);

// The largest rectangle of a movie's shape centred in `box`: where a movie
// changed its shape after the window fitted it, it is shown whole and
// unstretched until the window sends a new rectangle. The box itself for an
// unknown size.
PixelRect FitInside(const PixelRect& box, int movieWidth, int movieHeight);

// Whether a rectangle has a movie's shape (its width to height), allowing a
// pixel lost in rounding each side of a fitted size. False for an empty
// rectangle or an unknown size.
bool SameShape(const PixelRect& rect, int movieWidth, int movieHeight);

// The controller bar is about 220 twips high: its height in pixels for a
// logical resolution in dots per inch (15 at 96 dpi).
int ControllerHeightForDpi(double dpi);

// How many device pixels wide and high each pixel of the movie is drawn,
// when that is a whole number: the movie shown at its own size (`area` is
// `movie`, in logical pixels) on a screen of a whole device pixel ratio. Its
// pixels are then repeated as sharp blocks, as a screen of ordinary density
// shows them one to one. 0 in every other case: the picture is scaled
// smoothly to the device pixels.
int WholePixelScale(int areaWidth, int areaHeight, int movieWidth, int movieHeight,
                    double devicePixelRatio);

// Elapsed or total time as "m:ss", or "h:mm:ss" from one hour; seconds are
// truncated. Negative or unknown (NaN, infinite) times read "0:00".
std::string FormatPlayTime(double seconds);

}  // namespace rw
