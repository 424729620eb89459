#pragma once

#include <cstdint>
#include <vector>

namespace rw {

// The symbols of a keyboard without Shift, by key code and layout group, as X
// keysyms; 0 where a key has nothing in a group.
struct KeyboardGroups {
    std::uint32_t minKeycode = 0;
    std::vector<std::vector<std::uint32_t>> keys;  // [keycode - minKeycode][group]
};

// The Latin-1 keysym that the key `keycode` gives on the first layout group
// that has one there; 0 for none. With a non-Latin layout active this is the
// letter the key stands for in shortcuts. A symbol that some key already gives
// on an earlier group is not taken: two keys never stand for one letter.
// `physical`: taken all the same, for keys read by where they are on the
// keyboard (the period key of a Russian layout is the period, though that
// layout types a period on another key).
std::uint32_t LatinKeysymOf(const KeyboardGroups& keyboard, std::uint32_t keycode,
                            bool physical = false);

// The X server's keyboard as it is now; empty when the program is not on X.
KeyboardGroups CurrentKeyboardGroups();

// LatinKeysymOf on the X server's keyboard as it is now (asked afresh, so a
// change of layouts counts at once); 0 when not on X.
std::uint32_t LatinKeysymOnX(std::uint32_t keycode, bool physical);

}  // namespace rw
