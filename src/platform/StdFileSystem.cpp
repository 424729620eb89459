#include "platform/StdFileSystem.h"

#include <filesystem>
#include <system_error>

#include "platform/Step.h"

namespace fs = std::filesystem;

namespace rw {

std::uintmax_t StdFileSystem::FileLength(const std::string& path) {
    if (path.empty()) throw PlatformError(Service::Files, "empty path");
    std::error_code ec;
    // Follows symbolic links; a FIFO or device is not a regular file and
    // must never be opened just to learn its length.
    if (!fs::is_regular_file(fs::path(path), ec) || ec)
        throw PlatformError(Service::Files, "not a regular file");
    const auto size = fs::file_size(fs::path(path), ec);
    if (ec) throw PlatformError(Service::Files, ec.message());
    return size;
}

std::string StdFileSystem::CurrentFolder() {
    std::error_code ec;
    auto p = fs::current_path(ec);
    if (ec) throw PlatformError(Service::Files, ec.message());
    return p.string();
}

void StdFileSystem::SetCurrentFolder(const std::string& folder) {
    std::error_code ec;
    fs::current_path(fs::path(folder), ec);
    if (ec) throw PlatformError(Service::Files, ec.message());
}

}  // namespace rw
