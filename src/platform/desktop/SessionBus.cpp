#include "platform/desktop/SessionBus.h"

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace rw {
namespace {

constexpr const char* kAddressVariable = "DBUS_SESSION_BUS_ADDRESS";
constexpr const char* kNoBus = "disabled:";

// The per-user bus of a systemd session, which libdbus uses when the
// address is not set.
bool UserBusSocketExists() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0') return false;
    const std::string socket = std::string(runtime) + "/bus";
    struct stat info {};
    return ::stat(socket.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

}  // namespace

bool PrepareSessionBus() {
    const char* address = std::getenv(kAddressVariable);
    if (address != nullptr && *address != '\0') return std::strcmp(address, kNoBus) != 0;
    if (UserBusSocketExists()) return true;
    ::setenv(kAddressVariable, kNoBus, 1);
    return false;
}

}  // namespace rw
