#pragma once

#include <cstdint>
#include <optional>

#include "platform/FilmServices.h"

namespace rw {

// How far the arrow keys seek and change the volume.
inline constexpr double kShortSeek = 5;
inline constexpr double kLongSeek = 60;
inline constexpr double kVolumeStep = 5;

// The film command of a key press (platform/Keys.h codes and modifier
// bits); none for keys that are not the film's. The window's own keys come
// first: a key the window's description gives a meaning (Enter, Escape, W,
// F5, F11, the Ctrl shortcuts, anything with Alt) is never a film command.
std::optional<FilmAction> FilmKeyAction(std::int16_t keyCode, std::int16_t shift);

// The volume change of a turn of the mouse wheel over the movie, in
// wheel notches (positive: away from the user, louder).
FilmAction WheelAction(double notches);

}  // namespace rw
