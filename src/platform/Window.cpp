#include "platform/Window.h"

#include "platform/Step.h"

namespace rw {

Menu RecentItem(int index) {
    if (index < 0 || index > kRecentUpperBound) {
        throw PlatformError(Service::Window, "recent item index out of range");
    }
    return static_cast<Menu>(static_cast<int>(Menu::Recent0) + index);
}

}  // namespace rw
