#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Window.h"

namespace rw {

// Default left or top: (screen extent - window extent) rounded, then halved
// toward zero.
std::optional<std::int32_t> CentredOrigin(double screenExtent, double windowExtent);

struct StoredPlacement {
    std::string left, top, width, height;
};

// The placement to restore from the four stored texts; nullopt when any of
// them is not a number (the window then keeps its initial placement).
std::optional<RectTwips> ParsePlacement(const StoredPlacement& texts);

// Whether some part of a title bar of the given height along the top of the
// placement lies on one of the screens.
bool TitleBarOnAnyScreen(const RectTwips& placement, double titleBarHeight,
                         const std::vector<RectTwips>& screens);

// The screen a placement lands on: the one holding the largest part of its
// title bar, else the first (the primary); nothing without screens.
std::optional<RectTwips> ScreenOf(const RectTwips& placement, double titleBarHeight,
                                  const std::vector<RectTwips>& screens);

// A placement brought onto a screen's available area: no wider or taller
// than the area (and then inside it along that side), with its title bar
// wholly on it. What already fits is left as it was.
RectTwips FitToScreen(RectTwips placement, double titleBarHeight, const RectTwips& screen);

}  // namespace rw
