#pragma once
// Shared pieces of the command-line tool's commands.

#include <string>
#include <string_view>
#include <vector>

#include "core/ProjectRecord.h"

namespace orvane::cli {

using Args = std::vector<std::string>;  // the words after the command name

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the command ran and failed (a write, a read)
inline constexpr int kExitUsage = 2;    // bad usage or a missing input file

struct Command {
    std::string_view name;
    std::string_view usage;    // arguments after the name, e.g. "FILE.WDT OUT.txt"
    std::string_view summary;  // one line for the command list
    int order;                 // position in the command list
    int (*run)(const Args& args);
};

// Called from a static initializer in each command's file.
bool RegisterCommand(const Command& command);
const std::vector<Command>& Commands();

// Prints "orvane-cli: message" and the command's usage to stderr; returns kExitUsage.
int UsageError(std::string_view commandName, const std::string& message);

// Loads a project file that must already exist (the tool never creates one).
// On failure prints the reason and returns false; exitCode is then the code
// to return (kExitUsage for a missing file, kExitFailure for an unreadable one).
bool LoadExistingProject(const std::string& path, ProjectRecord& rec, int& exitCode);

// Reads the value of "--name VALUE" or "--name=VALUE" at args[i]; advances i.
bool OptionValue(const Args& args, std::size_t& i, std::string_view name, std::string& value);

}  // namespace orvane::cli
