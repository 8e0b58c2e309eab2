#pragma once
// The program's start, run and end, shared by the program entry and the
// start-up benchmark, so that what is measured is what the user starts.

#include <functional>
#include <string>
#include <vector>

namespace orvane {

// What the command line asks for. The program takes one optional argument,
// a project file to open at start-up (a file manager passes the file that
// was double-clicked); --help and --version answer and end.
struct StartRequest {
    enum class Kind { Run, Help, Version, Usage } kind = Kind::Run;
    std::string projectFile;  // "" when none was named
    std::string problem;      // why the arguments are a usage error (Kind::Usage)
};

// arguments: argv[1..], the program name excluded.
StartRequest ParseStartArguments(const std::vector<std::string>& arguments);

// Runs the desktop program until its main window closes and returns the
// exit status. whenShown, when given, runs once the main window has painted
// itself for the first time (the start-up benchmark stops its clock there).
int RunOrvane(int argc, char* argv[], const std::function<void()>& whenShown = {});

}  // namespace orvane
