// Any bytes as a coordinates file: the record must stay within its limits,
// reading the bytes in pieces (as a file is read) must give the same record
// as reading them at once, a region numbered as the grids number it must
// export to a text that imports to the same region, and the engine and both
// region pictures run on what was imported (FuzzChecks.h).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "core/CoordinatesFile.h"

namespace {

std::unique_ptr<orvane::ProjectRecord> Defaults()
{
    auto rec = std::make_unique<orvane::ProjectRecord>();
    orvane::SetProjectDefaults(*rec);
    return rec;
}

void CheckLimits(const orvane::ProjectRecord& rec)
{
    if (rec.BoundaryCount < 1 || rec.BoundaryCount > orvane::kMaxBoundaries)
        std::abort();
    for (int b = 1; b <= orvane::kMaxBoundaries; ++b) {
        if (rec.NodeCount[b] < 0 || rec.NodeCount[b] > orvane::kMaxGridNode)
            std::abort();
    }
}

// Every named node at the position of its number, gap nodes (number 0)
// between them, the last position named, and an outer boundary with nodes.
// A file may number its lines otherwise (a node's position is its line, the
// count its largest number); such a record exports what it holds, but the
// count read back follows the numbers, not the lines.
bool NumberedByPosition(const orvane::ProjectRecord& rec)
{
    if (rec.NodeCount[1] == 0)
        return false;
    for (int b = 1; b <= rec.BoundaryCount; ++b) {
        const int count = rec.NodeCount[b];
        for (int k = 1; k <= count; ++k)
            if (rec.NodeNumber[b][k] != 0 && rec.NodeNumber[b][k] != k)
                return false;
        if (count > 0 && rec.NodeNumber[b][count] != count)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto whole = Defaults();
    const int nodes = orvane::ImportCoordinatesText(*whole, text).nodes;
    CheckLimits(*whole);

    // Pieces of 1..7 bytes, so marks, CR LF and UTF-16 units straddle them.
    auto pieces = Defaults();
    orvane::CoordinatesReader reader;
    const std::size_t step = size > 0 ? data[0] % 7 + 1 : 1;
    for (std::size_t at = 0; at < size; at += step)
        reader.Feed(text.substr(at, std::min(step, size - at)));
    if (reader.Finish(*pieces).nodes != nodes || std::memcmp(whole.get(), pieces.get(), sizeof *whole) != 0)
        std::abort();

    // What was imported exports to a text that reads back to itself
    // (CoordinatesText writes three decimals, which read back exactly),
    // whenever the boundaries are numbered as the grids number them.
    const std::string text1 = orvane::CoordinatesText(*whole);
    auto back = Defaults();
    orvane::ImportCoordinatesText(*back, text1);
    CheckLimits(*back);
    if (nodes > 0 && NumberedByPosition(*whole) && orvane::CoordinatesText(*back) != text1)
        std::abort();

    orvane::fuzz::CheckEngine(*whole);
    orvane::fuzz::CheckDrawing(*whole);
    return 0;
}
