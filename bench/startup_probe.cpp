// The desktop program's own start (app/OrvaneStart.h) that writes "shown" on
// standard output once the main window has painted itself, and ends there:
// window_bench times it from fork to that line, the way a user waits for the
// window after starting the program.

#include <cstdio>

#include <unistd.h>

#include "app/OrvaneStart.h"

int main(int argc, char* argv[])
{
    return orvane::RunOrvane(argc, argv, [] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        // No shutdown: it would save settings and the scratch project, which
        // is not part of starting and would leave files behind.
        ::_exit(0);
    });
}
