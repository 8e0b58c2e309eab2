// orvane-cli set FILE.WDT KEY=VALUE...: changes the project's title, point,
// wind, depth, units or methods as a commit in the window would, or the
// wind and growth settings of its companion file, and saves them. Nothing is
// saved when any word is wrong.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/ProjectCrs.h"
#include "core/FileIO.h"
#include "core/Messages.h"
#include "core/ProjectCompanion.h"
#include "core/ProjectFile.h"
#include "core/ProjectSettings.h"

namespace orvane::cli {

namespace {

constexpr std::string_view kName = "set";

void PrintKeys()
{
    std::fprintf(stderr, "keys:\n");
    for (const SettingKey& key : SettingKeys())
        std::fprintf(stderr, "  %-20.*s %.*s\n", static_cast<int>(key.name.size()), key.name.data(),
                     static_cast<int>(key.values.size()), key.values.data());
}

int RunSet(const Args& args)
{
    if (args.size() < 2)
        return UsageError(kName, "set needs a project file and at least one KEY=VALUE");
    const std::string& project = args[0];
    const std::vector<std::string> words(args.begin() + 1, args.end());

    // Held from the load to the save (see LockProjectForChange).
    std::optional<FileLock> lock;
    if (!LockProjectForChange(project, lock))
        return kExitFailure;
    ProjectRecord rec {};
    int exitCode = kExitOk;
    if (!LoadExistingProject(project, rec, exitCode))
        return exitCode;

    ProjectCompanion companion;
    companion.Load(project);  // a damaged one is said on stderr and left alone unless a key changes it
    const SettingsOutcome outcome = ApplySettings(rec, &companion, words, CliCrsService());
    if (!outcome.Ok()) {
        for (const std::string& error : outcome.errors)
            std::fprintf(stderr, "orvane-cli: %s\n", error.c_str());
        PrintKeys();
        return UsageError(kName, "nothing was changed");
    }
    for (const std::string& note : outcome.notes)
        std::fprintf(stderr, "orvane-cli: warning: %s\n", note.c_str());
    // The project first: when it cannot be written, neither file changes.
    if (const Outcome written = WriteProjectAndCompanion(rec, companion, project); !written)
        return ExitOnFailure(written);
    for (const std::string& line : outcome.shown)
        std::printf("%s\n", line.c_str());
    return kExitOk;
}

const bool registered = RegisterCommand(
    {kName, "FILE.WDT KEY=VALUE...",
     "Set the title, point, wind, depth, units or methods (keys: title, point=X,Y, direction or bearing, sector, "
     "speed, speed_unit, depth, coord_unit, significant, spectrum, directional) as the window commits them, or "
     "the companion file's wind.* and growth.* keys (growth.law, growth.duration_h, wind.height_m, ...) and crs "
     "(then point_lonlat=LON,LAT), and save.",
     33, RunSet});

}  // namespace
}  // namespace orvane::cli
