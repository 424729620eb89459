#pragma once

#include <cstdint>

#include "window/Form.h"

namespace rw {

// Key codes and modifier bits of a key release.
namespace keys {
inline constexpr std::int16_t kEnter = 13;
inline constexpr std::int16_t kEscape = 27;
inline constexpr std::int16_t kC = 67;
inline constexpr std::int16_t kH = 72;
inline constexpr std::int16_t kW = 87;
inline constexpr std::int16_t kShift = 1;
inline constexpr std::int16_t kCtrl = 2;
inline constexpr std::int16_t kAlt = 4;
}  // namespace keys

// The window's own keys, seen on release before the focused control. Setting
// keyCode to 0 keeps the release from that control.
void Form_KeyUp(Form& form, std::int16_t& keyCode, std::int16_t shift);

}  // namespace rw
