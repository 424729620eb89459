#pragma once

#include <array>
#include <cstddef>

namespace rw {

// How interlaced frames are treated: deinterlaced once the movie's frames
// say they are interlaced (Automatic), always (On), or never (Off).
enum class Deinterlace { Automatic, On, Off };

// The picture's adjustable values, each from -100 to 100, 0 as the file has it.
enum class PictureValue { Brightness, Contrast, Saturation, Gamma };
inline constexpr std::size_t kPictureValueCount = 4;

// How the watcher wants the picture of the loaded movie shown. Every movie
// starts with the defaults, as it starts at normal speed.
struct PictureState {
    double aspect = 0;  // width over height; 0: the file's own shape
    double zoom = 0;    // scale as a power of two: 1 is twice as large
    double panX = 0;    // where the zoomed picture is moved, in parts of its size
    double panY = 0;
    bool fill = false;  // crops the picture to fill the area (in full screen)
    int rotation = 0;   // 0, 90, 180 or 270 degrees clockwise, on top of the file's
    Deinterlace deinterlace = Deinterlace::Automatic;
    std::array<int, kPictureValueCount> values{};  // by PictureValue

    int Value(PictureValue which) const { return values[static_cast<std::size_t>(which)]; }
    bool operator==(const PictureState&) const = default;
};

// The picture controls of the player. Set applies a whole state; the
// player changes only what differs from the state it has. Any operation
// may throw PlatformError.
class IPictureControls {
  public:
    virtual ~IPictureControls() = default;
    virtual PictureState State() const = 0;
    virtual void Set(const PictureState& state) = 0;
};

}  // namespace rw
