#pragma once

#include <optional>
#include <string>

#include "platform/PixelRect.h"

namespace rw {

// "0,0,width,height", the form in which the player reports a movie's size.
std::string FormatMovieRect(int width, int height);

// Whether the player takes a rectangle: coordinates beyond a million pixels
// would overflow the arithmetic of widths, bar positions and Qt's own
// rectangles.
bool WithinCoordinateLimit(const PixelRect& rect);

// What a movie without a picture reports as its rectangle, and where its
// logo goes when no rectangle was sent.
inline constexpr PixelRect kNominalRect{0, 0, 320, 240};

// Where the window said the picture goes, and what the player remembers of
// it for the moments before the window says it again.
struct MoviePlacement {
    std::optional<PixelRect> sent;  // none: the movie's natural size
    PixelRect sentHost;             // the player's place in its host then
    int sentForWidth = 0;           // the movie's display size then
    int sentForHeight = 0;
    // The last movie's rectangle, lent to a new movie of the same shape
    // until the window sends one: the window and its native GL surface
    // stay put.
    std::optional<PixelRect> previous;
    PixelRect previousHost;

    void Send(const PixelRect& rect, const PixelRect& host, int movieWidth, int movieHeight);
    // A new movie is being loaded: the rectangle sent is only lent to it.
    void NewMovie();
    // The window sends a new rectangle right after it moves or resizes the
    // player, when it wants one: one sent for another place goes.
    void HostMoved(const PixelRect& host);
    // The host placed the player anew: its natural size until one is sent.
    void Forget();
};

// What the player has to show, and where it is.
enum class Showing { Nothing, Picture, Logo };
struct PictureScene {
    Showing showing = Showing::Nothing;
    int movieWidth = 0;  // the display size of a picture
    int movieHeight = 0;
    PixelRect host;  // the player's place in its host
    bool fullScreen = false;
};

// Where the picture (or the logo) is drawn, in the player's pixels: the
// rectangle sent, else the last movie's of the same shape, else the movie's
// natural size at the top-left (centred in full screen). A picture that
// changed its shape since its rectangle was sent is shown whole in it.
// Nothing when there is nothing to show.
std::optional<PixelRect> PictureArea(const MoviePlacement& placement, const PictureScene& scene);

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

}  // namespace rw
