#include "platform/mpv/pure/Sound.h"

#include <algorithm>

namespace rw {

std::string DeviceToUse(const std::vector<SoundDevice>& listed, const std::string& chosen) {
    const bool there = std::any_of(listed.begin(), listed.end(),
                                   [&](const SoundDevice& d) { return d.name == chosen; });
    return !chosen.empty() && there ? chosen : kAutomaticDevice;
}

}  // namespace rw
