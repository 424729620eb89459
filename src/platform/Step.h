#pragma once

#include <stdexcept>
#include <string>

namespace rw {

// Thrown by platform services when an operation fails. The logic never shows
// it to the user: every handler step swallows it through Step().
class PlatformError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Runs one step of a handler. A step that fails (any exception) is abandoned
// and the caller goes on with its next step; nothing is reported. Returns
// whether the step completed, for the few callers that branch on it.
template <class F>
bool Step(F&& f) noexcept {
    try {
        f();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace rw
