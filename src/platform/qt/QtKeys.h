#pragma once

#include <Qt>
#include <cstdint>

namespace rw {

// Qt's keys as the logic's key codes (platform/Keys.h), and back: one
// table, for the window's keys, the film's and the menu items' shortcuts.
// 0 for keys the logic never looks at.
std::int16_t KeyCodeOf(int qtKey);
int QtKeyOf(std::int16_t keyCode);

// Modifiers as the logic's bits (1 Shift, 2 Ctrl, 4 Alt), and back.
std::int16_t ModifierBits(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers QtModifiersOf(std::int16_t bits);

}  // namespace rw
