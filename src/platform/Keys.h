#pragma once

#include <cstdint>

namespace rw::keys {

// The key codes and modifier bits the window's handlers see: letters and
// digits by their upper-case ASCII code, Enter (Return and keypad Enter),
// Escape and F11 by their classic codes.
inline constexpr std::int16_t kEnter = 13;
inline constexpr std::int16_t kEscape = 27;
inline constexpr std::int16_t kC = 67;
inline constexpr std::int16_t kH = 72;
inline constexpr std::int16_t kW = 87;
inline constexpr std::int16_t kF11 = 122;

inline constexpr std::int16_t kShift = 1;
inline constexpr std::int16_t kCtrl = 2;
inline constexpr std::int16_t kAlt = 4;

}  // namespace rw::keys
