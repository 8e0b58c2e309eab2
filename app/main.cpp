// Orvane, the desktop program: `Orvane [FILE.WDT]`. The settings files hold
// what persists between runs; the one argument is a project to open.

#include "app/OrvaneStart.h"

int main(int argc, char* argv[]) { return orvane::RunOrvane(argc, argv); }
