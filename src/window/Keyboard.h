#pragma once

#include <cstdint>

#include "platform/Keys.h"
#include "window/Form.h"

namespace rw {

// The window's own keys, seen on release before the focused control. Setting
// keyCode to 0 keeps the release from that control.
void Form_KeyUp(Form& form, std::int16_t& keyCode, std::int16_t shift);

}  // namespace rw
