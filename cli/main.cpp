// orvane-cli: the wave engine and the project files for batch work.

#include <cstdio>
#include <string>

#include "cli/Cli.h"
#include "cli/TerminalText.h"
#include "core/Messages.h"

namespace {

void PrintHelp(std::FILE* out)
{
    std::fprintf(out, "Usage: orvane-cli COMMAND ARGUMENTS...\n"
                      "Works on Orvane project files (.WDT) without the desktop program.\n"
                      "A project file must exist: the tool never creates one.\n\nCommands:\n");
    for (const orvane::cli::Command& c : orvane::cli::Commands())
        std::fprintf(out, "  %.*s %.*s\n      %.*s\n", static_cast<int>(c.name.size()), c.name.data(),
                     static_cast<int>(c.usage.size()), c.usage.data(), static_cast<int>(c.summary.size()),
                     c.summary.data());
    std::fprintf(out, "\nExit status: 0 success, 1 the command failed (for example a file could not be\n"
                      "written), 2 bad usage or a missing input file.\n");
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace orvane::cli;
    orvane::SetMessageSink([](orvane::MessageKind, const std::string& text) {
        // Messages quote file names and what files hold.
        std::fprintf(stderr, "orvane-cli: %s\n", orvane::cli::TerminalText(text, true).c_str());
    });
    if (argc < 2) {
        PrintHelp(stderr);
        return kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp(stdout);
        return kExitOk;
    }
    Args args(argv + 2, argv + argc);
    for (const Command& c : Commands()) {
        if (c.name != name)
            continue;
        for (const std::string& a : args) {
            if (a == "--help" || a == "-h") {
                std::printf("usage: orvane-cli %.*s %.*s\n%.*s\n", static_cast<int>(c.name.size()), c.name.data(),
                            static_cast<int>(c.usage.size()), c.usage.data(), static_cast<int>(c.summary.size()),
                            c.summary.data());
                return kExitOk;
            }
        }
        return c.run(args);
    }
    std::fprintf(stderr, "orvane-cli: unknown command '%s'\n\n", TerminalText(name).c_str());
    PrintHelp(stderr);
    return kExitUsage;
}
