#pragma once

namespace rw {

class Program;

// The whole program: the application, the window and its logic, closing on
// SIGTERM, SIGINT, SIGHUP and the session's request, the event loop. A
// command line of only --help or --version (-h, -v) is answered on standard
// output instead, with no window (window/Launch.h).
// `afterStart`, when given, runs once the window has started (the benchmark
// build's hooks). Returns the exit status; no exception leaves it.
int RunReelwick(int argc, char* argv[], void (*afterStart)(Program&) = nullptr) noexcept;

}  // namespace rw
