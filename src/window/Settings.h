#pragma once

#include <string>

#include "platform/SettingsStore.h"

namespace rw {

inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kMruSection = "MRU";

// The stored text, or the default when the key is absent or the store fails.
std::string ReadSetting(ISettingsStore& store, const std::string& section, const std::string& key,
                        const std::string& defaultText);

}  // namespace rw
