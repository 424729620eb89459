#pragma once

#include <optional>
#include <string>

namespace rw {

// Per-user persistent text values under the application's name, addressed by
// section and key. Both operations may throw PlatformError.
class ISettingsStore {
  public:
    virtual ~ISettingsStore() = default;
    // The stored text, or nullopt when the key was never written.
    virtual std::optional<std::string> Read(const std::string& section, const std::string& key) = 0;
    virtual void Write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;
    // Stores what was written so far and reads the store afresh, so that
    // Read sees what another copy of the program stored meanwhile.
    virtual void Reload() = 0;
};

}  // namespace rw
