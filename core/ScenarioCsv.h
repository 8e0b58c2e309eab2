#pragma once
// The cases file of a scenario run: CSV whose header names its columns, in
// any order and letter case: the wind as "direction" (degrees counter-
// clockwise from +x, as the project stores it) or "bearing"
// (compass "from" bearing, degrees clockwise from north), one per row, never
// both; "speed" required; "sector", "depth", "x" and "y" optional (an empty
// cell takes the project's value),
// any other column carried along untouched. Fields are separated by commas,
// or by semicolons when the header holds more of them; a semicolon file may
// write its decimals with a comma ("12,5"). Fields may be quoted ("..." with
// "" for a quote). Blank lines, and lines of empty cells, are skipped.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/BearingReference.h"
#include "core/Scenario.h"

namespace orvane {

struct ScenarioCsvRow {
    int row = 0;                           // line of the file the row starts on; the header is row 1
    std::vector<std::string> cells;        // as written, quotes removed
    std::optional<ScenarioCase> scenario;  // absent when the row is bad
    std::string error;                     // why it is bad
};

struct ScenarioCsv {
    char separator = ',';
    std::vector<std::string> header;  // as written
    std::vector<ScenarioCsvRow> rows;
    // Set when the file as a whole cannot be used (no header, a required
    // column missing, a column named twice); rows are then empty.
    std::string error;
};

// A bearing is read in the north of bearings: grid north by default, true
// north (with the grid convergence at the project's point) for a project
// that knows its coordinate system.
ScenarioCsv ParseScenarioCsv(std::string_view text, const BearingReference& bearings = {});

// A field for a CSV line: quoted when it holds a comma or semicolon (either
// separator, so that a file written back keeps its separator), a quote, a
// line break or leading or trailing blanks.
std::string CsvField(std::string_view cell, char separator);

}  // namespace orvane
