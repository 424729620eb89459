#include "window/Settings.h"

#include "platform/Step.h"

namespace rw {

std::string ReadSetting(ISettingsStore& store, const std::string& section, const std::string& key,
                        const std::string& defaultText) {
    std::string value = defaultText;
    Step([&] {
        if (auto stored = store.Read(section, key)) value = *stored;
    });
    return value;
}

}  // namespace rw
