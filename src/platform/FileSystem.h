#pragma once

#include <cstdint>
#include <string>

namespace rw {

class IFileSystem {
  public:
    virtual ~IFileSystem() = default;
    // Length in bytes of the regular file at path; throws PlatformError for a
    // missing file, a folder or any other failure.
    virtual std::uintmax_t FileLength(const std::string& path) = 0;
    virtual std::string CurrentFolder() = 0;
    virtual void SetCurrentFolder(const std::string& folder) = 0;
};

}  // namespace rw
