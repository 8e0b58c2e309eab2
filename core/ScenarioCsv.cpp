#include "core/ScenarioCsv.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/CsvText.h"
#include "core/NumberText.h"
#include "core/Region.h"

namespace orvane {

namespace {

enum Column { kDirection, kBearing, kSpeed, kSector, kDepth, kX, kY, kColumns };
constexpr std::array<std::string_view, kColumns> kColumnNames = {"direction", "bearing", "speed", "sector",
                                                                 "depth",     "x",       "y"};

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

}  // namespace

ScenarioCsv ParseScenarioCsv(std::string_view text, const BearingReference& bearings)
{
    ScenarioCsv csv;
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);  // a byte-order mark from a spreadsheet
    csv.separator = CsvSeparator(text);
    std::vector<CsvRecord> records = CsvRecords(text, csv.separator);
    auto first = std::find_if(records.begin(), records.end(), [](const CsvRecord& r) { return !CsvAllBlank(r.cells); });
    if (first == records.end()) {
        csv.error = "no header line";
        return csv;
    }
    csv.header = first->cells;

    std::array<int, kColumns> at;
    at.fill(-1);
    for (std::size_t i = 0; i < csv.header.size(); ++i) {
        const std::string name = Lower(CsvTrim(csv.header[i]));
        for (int c = 0; c < kColumns; ++c) {
            if (name != kColumnNames[static_cast<std::size_t>(c)])
                continue;
            if (at[static_cast<std::size_t>(c)] >= 0) {
                csv.error = "column '" + name + "' is named twice";
                return csv;
            }
            at[static_cast<std::size_t>(c)] = static_cast<int>(i);
        }
    }
    if (at[kDirection] < 0 && at[kBearing] < 0) {
        csv.error = "the header has no 'direction' or 'bearing' column";
        return csv;
    }
    if (at[kSpeed] < 0) {
        csv.error = "the header has no 'speed' column";
        return csv;
    }

    for (auto r = first + 1; r != records.end(); ++r) {
        if (CsvAllBlank(r->cells))
            continue;
        ScenarioCsvRow row;
        row.row = r->line;
        row.cells = std::move(r->cells);
        bool extra = false;
        for (std::size_t i = csv.header.size(); i < row.cells.size(); ++i)
            extra = extra || !CsvTrim(row.cells[i]).empty();
        if (extra) {
            row.error = "more cells than the header has columns";
            csv.rows.push_back(std::move(row));
            continue;
        }
        std::array<std::optional<float>, kColumns> values;
        bool ok = true;
        for (int c = 0; c < kColumns && ok; ++c) {
            const int column = at[static_cast<std::size_t>(c)];
            if (column >= 0 && static_cast<std::size_t>(column) < row.cells.size())
                ok = CsvNumber(row.cells[static_cast<std::size_t>(column)], csv.separator,
                               kColumnNames[static_cast<std::size_t>(c)], values[static_cast<std::size_t>(c)],
                               row.error);
        }
        // The wind comes as a direction or as a compass bearing, never both.
        if (ok && values[kDirection] && values[kBearing]) {
            row.error = "both direction and bearing are given; give one of them";
            ok = false;
        }
        if (ok && !values[kDirection] && !values[kBearing]) {
            row.error = at[kBearing] < 0     ? "direction is empty"
                        : at[kDirection] < 0 ? "bearing is empty"
                                             : "direction and bearing are empty";
            ok = false;
        }
        if (ok && !values[kSpeed]) {
            row.error = "speed is empty";
            ok = false;
        }
        if (ok) {
            ScenarioCase scenario;
            scenario.windDirection = values[kDirection]
                                         ? *values[kDirection]
                                         : static_cast<float>(DirectionOfBearing(*values[kBearing], bearings));
            scenario.windVelocity = *values[kSpeed];
            scenario.sectorAngle = values[kSector];
            scenario.depth = values[kDepth];
            scenario.pointX = values[kX];
            scenario.pointY = values[kY];
            row.scenario = scenario;
        }
        csv.rows.push_back(std::move(row));
    }
    return csv;
}

std::string CsvField(std::string_view cell, char separator)
{
    const bool plain =
        cell.find_first_of(std::string {separator, ',', ';', '"', '\n', '\r'}) == std::string_view::npos &&
        CsvTrim(cell).size() == cell.size();
    if (plain)
        return std::string(cell);
    std::string out = "\"";
    for (char c : cell) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace orvane
