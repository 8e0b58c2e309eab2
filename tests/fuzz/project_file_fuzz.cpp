// Any bytes as a project file: load, then everything that walks the record
// with its counts (export, fetch-style loops) must stay inside the arrays.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

#include "core/CoordinatesFile.h"
#include "core/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = "/tmp/orvane-fuzz-" + std::to_string(::getpid()) + ".WDT";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    orvane::ProjectRecord rec{};
    if (!orvane::LoadProject(rec, path))
        return 0;
    // Walk every used node the way the engine and the drawing do.
    volatile float sink = 0.0f;
    const int boundaries = orvane::UsedBoundaryCount(rec);
    for (int b = 1; b <= boundaries; ++b) {
        const int n = orvane::UsedNodeCount(rec, b);
        for (int k = 0; k <= n; ++k)
            sink = sink + rec.NodeX[b][k] + rec.NodeY[b][k] + static_cast<float>(rec.NodeNumber[b][k]);
    }
    const std::string text = orvane::CoordinatesText(rec);
    orvane::ProjectRecord back{};
    orvane::SetProjectDefaults(back);
    orvane::ImportCoordinatesText(back, text);
    (void)orvane::TitleBytes(rec);
    return 0;
}
