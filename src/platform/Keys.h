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

// The keys of the film commands, by the same classic codes.
inline constexpr std::int16_t kBackspace = 8;
inline constexpr std::int16_t kSpace = 32;
inline constexpr std::int16_t kPageUp = 33;
inline constexpr std::int16_t kPageDown = 34;
inline constexpr std::int16_t kLeft = 37;
inline constexpr std::int16_t kUp = 38;
inline constexpr std::int16_t kRight = 39;
inline constexpr std::int16_t kDown = 40;
inline constexpr std::int16_t kM = 77;
inline constexpr std::int16_t kX = 88;
inline constexpr std::int16_t kZ = 90;
inline constexpr std::int16_t kComma = 188;
inline constexpr std::int16_t kPeriod = 190;
inline constexpr std::int16_t kBracketLeft = 219;
inline constexpr std::int16_t kBracketRight = 221;
inline constexpr std::int16_t kMenu = 93;
inline constexpr std::int16_t kL = 76;
inline constexpr std::int16_t kF10 = 121;
// The picture's keys: the = key (+ with Shift), the - key, the keypad's +.
inline constexpr std::int16_t kA = 65;
inline constexpr std::int16_t kD = 68;
inline constexpr std::int16_t k1 = 49;  // to k8, 56
inline constexpr std::int16_t kEqual = 187;
inline constexpr std::int16_t kMinus = 189;
inline constexpr std::int16_t kAdd = 107;
// The menu items' shortcut letters and F5.
inline constexpr std::int16_t kO = 79;
inline constexpr std::int16_t kP = 80;
inline constexpr std::int16_t kR = 82;
inline constexpr std::int16_t kT = 84;
inline constexpr std::int16_t kU = 85;
inline constexpr std::int16_t kF5 = 116;

inline constexpr std::int16_t kShift = 1;
inline constexpr std::int16_t kCtrl = 2;
inline constexpr std::int16_t kAlt = 4;

}  // namespace rw::keys
