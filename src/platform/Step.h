#pragma once

#include <atomic>
#include <exception>
#include <stdexcept>
#include <string>

namespace rw {

// The platform services, for telling where a failure came from.
enum class Service { Window, Player, Settings, Files, Dialogs, Shell, Desktop, Logic };

// Thrown by platform services when an operation fails. The logic never shows
// it to the user: every handler step swallows it through Step().
class PlatformError : public std::runtime_error {
  public:
    PlatformError(Service service, const std::string& what)
        : std::runtime_error(what), service_(service) {}
    Service Source() const noexcept { return service_; }

  private:
    Service service_;
};

// Where caught failures are reported: nowhere until the program installs a
// sink (the Qt layer's logging categories, silent unless switched on). A
// sink must not throw.
using FailureSink = void (*)(Service service, const char* what) noexcept;

inline std::atomic<FailureSink>& CurrentFailureSink() noexcept {
    static std::atomic<FailureSink> sink{nullptr};
    return sink;
}

inline void SetFailureSink(FailureSink sink) noexcept { CurrentFailureSink().store(sink); }

// Reports the exception being handled; call only inside a catch block.
inline void ReportCaughtFailure() noexcept {
    const FailureSink sink = CurrentFailureSink().load();
    if (sink == nullptr) return;
    try {
        throw;
    } catch (const PlatformError& e) {
        sink(e.Source(), e.what());
    } catch (const std::exception& e) {
        sink(Service::Logic, e.what());
    } catch (...) {
        sink(Service::Logic, "unknown failure");
    }
}

// Runs one step of a handler. A step that fails (any exception) is abandoned
// and the caller goes on with its next step; the user sees nothing, and the
// failure goes to the failure sink. Returns whether the step completed, for
// the few callers that branch on it.
template <class F>
bool Step(F&& f) noexcept {
    try {
        f();
        return true;
    } catch (...) {
        ReportCaughtFailure();
        return false;
    }
}

}  // namespace rw
