#pragma once
// Whether an operation on a file (or a folder, a module, another program)
// did what it was asked and, when it did not, why, in words for the user:
// "cannot write [Bay.WDT]: the file is read-only". Every file and GIS
// operation of core/, gis/ and tools/ returns one, alone or as the base of a
// result that carries more. The window shows a failure through the message
// sink (ShowFailure, core/Messages.h); the command-line tool prints it and
// takes its exit code from it (cli/Cli.h).

#include <string>
#include <utility>

namespace orvane {

struct [[nodiscard]] Outcome {
    bool ok = true;
    std::string message;  // why not, ready to show; empty on success

    static Outcome Success() { return {}; }
    static Outcome Failure(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
    // For results that carry an outcome as their base.
    void Fail(std::string why)
    {
        ok = false;
        message = std::move(why);
    }
};

}  // namespace orvane
