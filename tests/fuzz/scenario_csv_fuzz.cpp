// Any text as a scenario cases file: no crash, every accepted case holds
// finite numbers, and the cells written back with CsvField read back the same.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/ScenarioCsv.h"

namespace {

bool Finite(const std::optional<float>& v) { return !v || std::isfinite(*v); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const orvane::ScenarioCsv csv = orvane::ParseScenarioCsv(text);
    if (!csv.error.empty())
        return 0;
    for (const orvane::ScenarioCsvRow& row : csv.rows) {
        if (row.scenario.has_value() == !row.error.empty())
            std::abort();
        if (row.scenario && !(std::isfinite(row.scenario->windDirection) && std::isfinite(row.scenario->windVelocity) &&
                              Finite(row.scenario->sectorAngle) && Finite(row.scenario->depth) &&
                              Finite(row.scenario->pointX) && Finite(row.scenario->pointY)))
            std::abort();
    }
    // Written back field by field, the file reads back to the same cells.
    std::string again;
    auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            again +=
                (i > 0 ? std::string(1, csv.separator) : std::string()) + orvane::CsvField(cells[i], csv.separator);
        again += "\n";
    };
    line(csv.header);
    for (const orvane::ScenarioCsvRow& row : csv.rows)
        line(row.cells);
    const orvane::ScenarioCsv reread = orvane::ParseScenarioCsv(again);
    if (reread.header != csv.header || reread.rows.size() != csv.rows.size())
        std::abort();
    for (std::size_t i = 0; i < csv.rows.size(); ++i) {
        if (reread.rows[i].cells != csv.rows[i].cells || reread.rows[i].error != csv.rows[i].error)
            std::abort();
    }
    return 0;
}
