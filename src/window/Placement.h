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

}  // namespace rw
