#pragma once

#include "platform/PlayerControls.h"

namespace rw {

// What the A-B loop is doing: nothing, waiting for its end (A set), or
// playing A to B over and over.
enum class LoopState { None, ASet, Looping };

// What the user asks of it: the L key (Next) goes none → A set → looping →
// none; the menu's Set A, Set B and Clear do one thing each.
enum class LoopStep { Next = 0, SetA = 1, SetB = 2, Clear = 3 };

LoopState LoopStateOf(const LoopPoints& points);

// The points after `step` taken at `position` (seconds). A set at or after
// B starts over with A alone; B set before A swaps them, so that the loop
// is always from the earlier point to the later; B on A changes nothing;
// B with no A loops from the beginning. A position that is not a number
// changes nothing.
LoopPoints LoopAfter(const LoopPoints& points, LoopStep step, double position);

}  // namespace rw
