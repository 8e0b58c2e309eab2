#include "cli/Cli.h"

#include <algorithm>
#include <cstdio>

#include "cli/TerminalText.h"
#include "core/Format.h"
#include "core/ProjectFile.h"

namespace orvane::cli {

namespace {
std::vector<Command>& Registry()
{
    static std::vector<Command> commands;
    return commands;
}
}  // namespace

bool RegisterCommand(const Command& command)
{
    auto& commands = Registry();
    commands.push_back(command);
    std::sort(commands.begin(), commands.end(), [](const Command& a, const Command& b) { return a.order < b.order; });
    return true;
}

const std::vector<Command>& Commands() { return Registry(); }

int ExitOnFailure(const Outcome& outcome, std::string_view after)
{
    if (outcome.ok)
        return kExitOk;
    std::fprintf(stderr, "orvane-cli: %s%.*s\n", TerminalText(outcome.message, true).c_str(),
                 static_cast<int>(after.size()), after.data());
    return kExitFailure;
}

int UsageError(std::string_view commandName, const std::string& message)
{
    std::fprintf(stderr, "orvane-cli: %s\n", TerminalText(message, true).c_str());
    for (const Command& c : Commands()) {
        if (c.name == commandName)
            std::fprintf(stderr, "usage: orvane-cli %.*s %.*s\n", static_cast<int>(c.name.size()), c.name.data(),
                         static_cast<int>(c.usage.size()), c.usage.data());
    }
    std::fprintf(stderr, "Try 'orvane-cli --help'.\n");
    return kExitUsage;
}

bool LoadExistingProject(const std::string& path, ProjectRecord& rec, int& exitCode)
{
    const ProjectFileRead read = LoadProjectReadOnly(rec, path);
    switch (read.state) {
    case ProjectFileState::Missing:
        std::fprintf(stderr, "orvane-cli: no such project file: %s\n", TerminalText(path).c_str());
        exitCode = kExitUsage;
        return false;
    case ProjectFileState::Unreadable:
        std::fprintf(stderr, "orvane-cli: %s\n",
                     TerminalText(read.problem.empty() ? FileErrorMessage(path) : read.problem, true).c_str());
        exitCode = kExitFailure;
        return false;
    case ProjectFileState::Short:
        // Not completed on disk: a text file given by mistake stays what it is.
        std::fprintf(stderr,
                     "orvane-cli: warning: %s holds %zu of the %zu bytes of a project file; the rest of the "
                     "project takes the defaults\n",
                     TerminalText(path).c_str(), read.bytesRead, kProjectFileSize);
        break;
    case ProjectFileState::Complete: break;
    }
    exitCode = kExitOk;
    return true;
}

int CheckArgsAndLoad(std::string_view command, const Args& words, std::size_t count, ProjectRecord& rec)
{
    if (words.size() != count) {
        return UsageError(
            command, Format("%s takes %d file name%s, not %d", command, count, count == 1 ? "" : "s", words.size()));
    }
    int exitCode = kExitOk;
    LoadExistingProject(words[0], rec, exitCode);
    return exitCode;
}

bool LockProjectForChange(const std::string& path, std::optional<FileLock>& lock)
{
    lock.emplace(FileLock::TryLock(path));
    if (lock->GetState() != FileLock::State::Busy)
        return true;
    std::fprintf(stderr,
                 "orvane-cli: project file [%s] is being changed by another program; nothing was changed, "
                 "try again when it has finished\n",
                 TerminalText(path).c_str());
    return false;
}

}  // namespace orvane::cli
