#pragma once

#include "platform/FileSystem.h"

namespace rw {

// The file system through std::filesystem; no toolkit needed.
class StdFileSystem final : public IFileSystem {
  public:
    std::uintmax_t FileLength(const std::string& path) override;
    std::string CurrentFolder() override;
    void SetCurrentFolder(const std::string& folder) override;
};

}  // namespace rw
