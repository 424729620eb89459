#pragma once

namespace rw {

class Program;

// Behaviour for the benchmarks under bench/, switched on only by
// REELWICK_BENCH_* environment variables (never by a command-line switch, so
// the program's command line stays one movie reference):
//
//   REELWICK_BENCH_STATS=<file>       at exit, writes key=value lines: the
//                                     renderer, libmpv's dropped-frame
//                                     counters, and what the hooks below
//                                     measured
//   REELWICK_BENCH_QUIT_AT_END=1      closes the window normally when the
//                                     movie has played to its end
//   REELWICK_BENCH_PAUSE_AT=<s>       chooses Movie > Pause s seconds after
//                                     start-up
//   REELWICK_BENCH_OPEN_LIST=<file>   opens each path of the file, one a line,
//                                     one after another, recording the
//                                     resident memory after each; then closes
//   REELWICK_BENCH_FOLDER=<dir>       makes dir the current folder, chooses
//   REELWICK_BENCH_FOLDER_ROWS=<n>    File > List and times the list until it
//                                     shows n names, with the longest stall of
//                                     the event loop meanwhile; then closes
//   REELWICK_BENCH_SOUND_START=<path> opens path through OpenMovie and times
//                                     it from just before the open until the
//                                     player has a sound track and a position
//                                     past 0 (sound_start_seconds, with the
//                                     position and duration then), or records
//                                     sound_start_timeout=1 after 20 s; then
//                                     closes
//
// Called once the window has started. With none of the variables set it
// does nothing.
void StartBenchHooks(Program& program);

}  // namespace rw
