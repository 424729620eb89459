#include "BenchHooks.h"
#include "Startup.h"

// The program with the benchmark hooks (BenchHooks.h); never installed.
int main(int argc, char* argv[]) { return rw::RunReelwick(argc, argv, &rw::StartBenchHooks); }
