// Any text as a wind record, CSV and station format: no crash; the rows kept
// are in strictly increasing time with finite, non-negative speeds and
// directions in [0, 360); every line is kept, skipped under a reason or a
// header/blank line; and reading the text in small pieces gives the same
// record as reading it whole.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/WindRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const orvane::WindReadOptions options;
    const orvane::WindRecord whole = orvane::ParseWindRecord(text, options);
    if (whole.ok == whole.rows.empty())
        std::abort();
    for (std::size_t i = 0; i < whole.rows.size(); ++i) {
        const orvane::WindRow& r = whole.rows[i];
        if (!(std::isfinite(r.speedMs) && r.speedMs >= 0.0f && r.directionDeg >= 0.0f && r.directionDeg < 360.0f))
            std::abort();
        if (i > 0 && !(r.timeS > whole.rows[i - 1].timeS))
            std::abort();
    }
    std::size_t lines = 1;
    for (char c : text)
        lines += c == '\n';
    if (whole.rows.size() + whole.Skipped() > lines)
        std::abort();

    orvane::WindRecordReader reader(options);
    for (std::size_t at = 0; at < size; at += 7)
        reader.Feed(text.substr(at, 7));
    const orvane::WindRecord pieces = reader.Finish();
    if (pieces.ok != whole.ok || pieces.rows.size() != whole.rows.size() || pieces.skipped != whole.skipped)
        std::abort();
    for (std::size_t i = 0; i < whole.rows.size(); ++i) {
        if (pieces.rows[i].timeS != whole.rows[i].timeS || pieces.rows[i].speedMs != whole.rows[i].speedMs ||
            pieces.rows[i].directionDeg != whole.rows[i].directionDeg)
            std::abort();
    }
    return 0;
}
