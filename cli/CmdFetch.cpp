// orvane-cli fetch FILE.WDT: the fetch rose of the wind sector, the table an
// engineer checks a region against.

#include <cstdio>
#include <string>

#include "cli/Cli.h"
#include "core/Directional.h"
#include "core/Format.h"
#include "core/Units.h"

namespace orvane::cli {

namespace {

int RunFetch(const Args& args)
{
    ProjectRecord rec {};
    if (const int code = CheckArgsAndLoad("fetch", args, 1, rec); code != kExitOk)
        return code;
    const Sector sector = MakeSector(rec);
    std::string out = Format("# direction_deg fetch_%s fetch_ft\n", CoordUnitName(rec.CoordUnits));
    for (int i = 0; i < sector.count; ++i) {
        const SectorDirection& dir = sector.directions[static_cast<std::size_t>(i)];
        out += Format("%8.2f %14.4f %14.2f\n", dir.deg, dir.fetch, dir.fetchFt);
    }
    std::fputs(out.c_str(), stdout);
    return kExitOk;
}

const bool registered = RegisterCommand(
    {"fetch", "FILE.WDT", "Print the fetch of every sector direction: degrees, coordinate units, feet.", 21, RunFetch});

}  // namespace
}  // namespace orvane::cli
