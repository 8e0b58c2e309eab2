#pragma once
// Shared pieces of the command-line tool's commands.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileIO.h"
#include "core/Outcome.h"
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

// The exit code of an outcome: kExitOk for a success; for a failure,
// "orvane-cli: " and its reason on stderr (control characters written out,
// TerminalText) and kExitFailure. `after` is appended to the reason ("; the
// project was not changed").
int ExitOnFailure(const Outcome& outcome, std::string_view after = {});

// Prints "orvane-cli: message" and the command's usage to stderr; returns kExitUsage.
int UsageError(std::string_view commandName, const std::string& message);

// The start every command shares. `words` are the command's arguments with
// its options taken out; there must be exactly `count` of them, the first a
// project file that exists. That file is loaded read-only: the tool never
// creates a project file, and a short one is read as far as it goes (the rest
// keeps the defaults, with a warning on stderr) without being completed on
// disk. Returns kExitOk with rec loaded, or the exit code to return at once
// (kExitUsage for a wrong word count or a missing file, kExitFailure for an
// unreadable one) after saying why on stderr.
int CheckArgsAndLoad(std::string_view command, const Args& words, std::size_t count, ProjectRecord& rec);

// The loading half of CheckArgsAndLoad for a path already checked. false on
// failure; exitCode is then the code to return.
bool LoadExistingProject(const std::string& path, ProjectRecord& rec, int& exitCode);

// For the commands that change a project file: an advisory lock on it
// (FileLock) from before it is read until after it is written, so two such
// commands on one project never lose one's change. false when another
// program holds the lock: it says so on stderr, and the command returns
// kExitFailure. A file that cannot be opened is left to the load to report.
bool LockProjectForChange(const std::string& path, std::optional<FileLock>& lock);

}  // namespace orvane::cli
