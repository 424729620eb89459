#include "Startup.h"

int main(int argc, char* argv[]) { return rw::RunReelwick(argc, argv); }
