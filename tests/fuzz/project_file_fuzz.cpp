// Any bytes as a project file, in memory: the load takes exactly the file's
// first 72,300 bytes over the defaults; the engine runs on what was loaded
// (FuzzChecks.h); the boundaries exported as a coordinates file and imported
// again are the same boundaries, to the export's three decimals, whenever
// they are numbered as the program numbers them. The region pictures are
// left to the coordinates and report targets, which draw every record they
// load: here they would cost most of each run.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "FuzzChecks.h"
#include "core/CoordinatesFile.h"
#include "core/ProjectFile.h"

namespace {

using orvane::fuzz::Require;

// Node numbers 1, 2, 3, ... down every used boundary, coordinates that
// "%12.3f" writes in full.
bool NumberedAsWritten(const orvane::ProjectRecord& rec)
{
    if (rec.BoundaryCount < 1 || rec.BoundaryCount > orvane::kMaxBoundaries)
        return false;
    for (int b = 1; b <= rec.BoundaryCount; ++b) {
        if (rec.NodeCount[b] < 0 || rec.NodeCount[b] > orvane::kMaxGridNode)
            return false;
        for (int k = 1; k <= rec.NodeCount[b]; ++k)
            if (rec.NodeNumber[b][k] != k || !orvane::fuzz::Sane(rec.NodeX[b][k], 1e7f) ||
                !orvane::fuzz::Sane(rec.NodeY[b][k], 1e7f))
                return false;
    }
    return true;
}

// Three decimals, then float32 of that: half a thousandth plus the float
// steps of both conversions.
bool SameCoordinate(float written, float read)
{
    return std::fabs(static_cast<double>(written) - read) <= 0.0005 + 2e-7 * std::fabs(written) + 1e-9;
}

void CheckExport(const orvane::ProjectRecord& rec)
{
    // Every record is exported; reading the text back (the coordinates
    // target's part) is worth its time only where the result is checked.
    const std::string text = orvane::CoordinatesText(rec);
    if (!NumberedAsWritten(rec))
        return;
    auto back = std::make_unique<orvane::ProjectRecord>();
    orvane::SetProjectDefaults(*back);
    orvane::ImportCoordinatesText(*back, text);
    // An outer boundary without nodes exports nothing but separators, which
    // the import takes as no coordinates at all.
    if (rec.NodeCount[1] == 0)
        return;
    Require(back->BoundaryCount == rec.BoundaryCount);
    for (int b = 1; b <= rec.BoundaryCount; ++b) {
        Require(back->NodeCount[b] == rec.NodeCount[b]);
        for (int k = 1; k <= rec.NodeCount[b]; ++k)
            Require(back->NodeNumber[b][k] == k && SameCoordinate(rec.NodeX[b][k], back->NodeX[b][k]) &&
                    SameCoordinate(rec.NodeY[b][k], back->NodeY[b][k]));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto rec = std::make_unique<orvane::ProjectRecord>();
    const std::size_t taken = orvane::ReadProjectBytes(*rec, data, size);
    auto defaults = std::make_unique<orvane::ProjectRecord>();
    orvane::SetProjectDefaults(*defaults);
    const auto* image = reinterpret_cast<const unsigned char*>(rec.get());
    Require(taken == std::min(size, sizeof *rec));
    Require(taken == 0 || std::memcmp(image, data, taken) == 0);
    Require(std::memcmp(image + taken, reinterpret_cast<const unsigned char*>(defaults.get()) + taken,
                        sizeof *rec - taken) == 0);

    orvane::fuzz::CheckEngine(*rec);
    CheckExport(*rec);
    (void)orvane::TitleBytes(*rec);
    return 0;
}
