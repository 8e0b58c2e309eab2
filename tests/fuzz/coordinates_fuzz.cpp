// Any text as a coordinates file: the record must stay within its limits.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/CoordinatesFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    orvane::ProjectRecord rec{};
    orvane::SetProjectDefaults(rec);
    orvane::ImportCoordinatesText(rec, std::string(reinterpret_cast<const char*>(data), size));
    if (rec.BoundaryCount < 1 || rec.BoundaryCount > orvane::kMaxBoundaries)
        std::abort();
    for (int b = 1; b <= orvane::kMaxBoundaries; ++b) {
        if (rec.NodeCount[b] < 0 || rec.NodeCount[b] > orvane::kMaxGridNode)
            std::abort();
    }
    // What was imported can be exported and read again within the same limits.
    orvane::ProjectRecord again{};
    orvane::SetProjectDefaults(again);
    orvane::ImportCoordinatesText(again, orvane::CoordinatesText(rec));
    for (int b = 1; b <= orvane::kMaxBoundaries; ++b) {
        if (again.NodeCount[b] < 0 || again.NodeCount[b] > orvane::kMaxGridNode)
            std::abort();
    }
    return 0;
}
