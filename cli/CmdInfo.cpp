// orvane-cli info FILE.WDT: the project in plain words.

#include <cstdio>
#include <string>

#include "cli/Cli.h"
#include "cli/TerminalText.h"
#include "core/Format.h"
#include "core/Text1252.h"
#include "core/Units.h"

namespace orvane::cli {

namespace {

// A stored method code above the last list item is shown (and computed) as
// the last item, as the main window's method groups show it.
std::string MethodText(int code, int lastItem, std::string (*name)(int))
{
    if (code > lastItem)
        return name(lastItem) + Format(" (stored code %d)", code);
    if (code < 0)
        return Format("none (stored code %d)", code);
    return name(code);
}

int RunInfo(const Args& args)
{
    ProjectRecord rec {};
    if (const int code = CheckArgsAndLoad("info", args, 1, rec); code != kExitOk)
        return code;

    const std::string unit = CoordUnitName(rec.CoordUnits);
    const std::string title = Cp1252ToUtf8(TitleBytes(rec));
    std::string out;
    out += "File:         " + TerminalText(args[0]) + "\n";
    out += "Title:        " + (title.empty() ? std::string("(none)") : TerminalText(title)) + "\n";
    out += Format("Coordinates:  %s (code %d)\n", unit, rec.CoordUnits);
    out += Format("Boundaries:   %d\n", rec.BoundaryCount);
    const int boundaries = UsedBoundaryCount(rec);
    for (int b = 1; b <= boundaries; ++b) {
        const int positions = UsedNodeCount(rec, b);
        int gaps = 0;
        for (int k = 1; k <= positions; ++k)
            gaps += rec.NodeNumber[b][k] == 0 ? 1 : 0;
        const std::string role = b == 1 ? "outer" : Format("island %d", b - 1);
        out += Format("  %d %-9s %4d nodes", b, role, positions - gaps);
        if (gaps > 0)
            out += Format(" (%d gap positions)", gaps);
        if (rec.NodeCount[b] != positions)
            out += Format(" (stored count %d)", rec.NodeCount[b]);
        out += "\n";
    }
    out += Format("Point:        x = %.3f %s, y = %.3f %s\n", rec.PointX, unit, rec.PointY, unit);
    out += Format("Wind:         direction %.2f deg (counter-clockwise from +x), sector %.2f deg\n", rec.WindDirection,
                  rec.SectorAngle);
    out += Format("              velocity %.2f %s\n", rec.WindVelocity, VelocityUnitItem(rec.VelocityUnits));
    out += Format("Depth:        %.3f %s\n", rec.Depth, DepthUnitName(rec.CoordUnits));
    out += "Methods:      significant wave: " + MethodText(rec.SignificantMethod, 2, SignificantMethodName) + "\n";
    out += "              spectrum: " + MethodText(rec.SpectrumType, 1, SpectrumTypeName) + "\n";
    out += "              directional effect: " + MethodText(rec.DirectionalMethod, 2, DirectionalMethodName) + "\n";
    std::fputs(out.c_str(), stdout);
    return kExitOk;
}

const bool registered = RegisterCommand(
    {"info", "FILE.WDT", "Print the title, units, boundaries, point, wind, depth and methods.", 10, RunInfo});

}  // namespace
}  // namespace orvane::cli
