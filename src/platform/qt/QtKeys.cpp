#include "platform/qt/QtKeys.h"

#include <utility>

#include "platform/Keys.h"

namespace rw {
namespace {

// Letters and digits are their own codes; these are the rest.
constexpr std::pair<int, std::int16_t> kKeys[] = {
    {Qt::Key_Return, keys::kEnter},
    {Qt::Key_Enter, keys::kEnter},
    {Qt::Key_Escape, keys::kEscape},
    {Qt::Key_F5, keys::kF5},
    {Qt::Key_F10, keys::kF10},
    {Qt::Key_F11, keys::kF11},
    {Qt::Key_Menu, keys::kMenu},
    {Qt::Key_Space, keys::kSpace},
    {Qt::Key_Left, keys::kLeft},
    {Qt::Key_Right, keys::kRight},
    {Qt::Key_Up, keys::kUp},
    {Qt::Key_Down, keys::kDown},
    {Qt::Key_PageUp, keys::kPageUp},
    {Qt::Key_PageDown, keys::kPageDown},
    {Qt::Key_Backspace, keys::kBackspace},
    {Qt::Key_BracketLeft, keys::kBracketLeft},
    {Qt::Key_BracketRight, keys::kBracketRight},
    {Qt::Key_Comma, keys::kComma},
    {Qt::Key_Period, keys::kPeriod},
    // The keypad's - reads as the - key; its + as Key_Plus, which is also
    // Shift+= where the key cannot be read by its place.
    {Qt::Key_Equal, keys::kEqual},
    {Qt::Key_Minus, keys::kMinus},
    {Qt::Key_Plus, keys::kAdd},
};

bool IsLetterOrDigit(int key) {
    return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9);
}

}  // namespace

std::int16_t KeyCodeOf(int qtKey) {
    if (IsLetterOrDigit(qtKey)) return static_cast<std::int16_t>(qtKey);
    for (const auto& [key, code] : kKeys)
        if (key == qtKey) return code;
    return 0;
}

int QtKeyOf(std::int16_t keyCode) {
    if (IsLetterOrDigit(keyCode)) return keyCode;
    for (const auto& [key, code] : kKeys)
        if (code == keyCode) return key;
    return 0;
}

std::int16_t ModifierBits(Qt::KeyboardModifiers m) {
    return static_cast<std::int16_t>((m & Qt::ShiftModifier ? keys::kShift : 0) |
                                     (m & Qt::ControlModifier ? keys::kCtrl : 0) |
                                     (m & Qt::AltModifier ? keys::kAlt : 0));
}

Qt::KeyboardModifiers QtModifiersOf(std::int16_t bits) {
    Qt::KeyboardModifiers m;
    if (bits & keys::kShift) m |= Qt::ShiftModifier;
    if (bits & keys::kCtrl) m |= Qt::ControlModifier;
    if (bits & keys::kAlt) m |= Qt::AltModifier;
    return m;
}

}  // namespace rw
