#pragma once

#include <cstdint>
#include <string>

#include "platform/PixelRect.h"

namespace rw {

// The movie player component as the window logic uses it. Every operation may
// throw PlatformError; callers wrap each call in Step().
class IPlayer {
  public:
    virtual ~IPlayer() = default;

    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Rewind() = 0;
    // Colour of the area around the movie ("Black").
    virtual void SetBackground(const std::string& colour) = 0;
    virtual void SetLoop(std::int32_t on) = 0;
    virtual void SetController(std::int32_t shown) = 0;
    // Loads a reference (local path or URL). Returns once the picture size is
    // known, the movie turned out to have no picture, the load failed, or a
    // bounded wait ran out.
    virtual void Load(const std::string& reference) = 0;
    // Reference of the loaded movie; empty when none is loaded or the last
    // load failed.
    virtual std::string Reference() = 0;
    // Where to draw the movie inside the player's area, in pixels.
    virtual void SetMovieRect(const PixelRect& rect) = 0;
    // The loaded movie's rectangle "0,0,width,height"; throws when there is none.
    virtual std::string MovieRect() = 0;
};

}  // namespace rw
