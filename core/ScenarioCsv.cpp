#include "core/ScenarioCsv.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/NumberText.h"
#include "core/Region.h"

namespace orvane {

namespace {

struct Record {
    int line = 0;
    std::vector<std::string> cells;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(std::string_view s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && IsBlank(s[a]))
        ++a;
    while (b > a && IsBlank(s[b - 1]))
        --b;
    return std::string(s.substr(a, b - a));
}

// The separator of the file: the one of ',' and ';' the header line holds
// more of, outside quotes.
char DetectSeparator(std::string_view text)
{
    int commas = 0, semicolons = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

// Splits the text into records of cells; a quoted field may span lines.
std::vector<Record> SplitRecords(std::string_view text, char sep)
{
    std::vector<Record> records;
    Record current{1, {}};
    std::string cell;
    bool quoted = false;
    bool fieldStarted = false;  // the record has at least one separator or character
    int line = 1;
    auto endRecord = [&] {
        if (fieldStarted || !cell.empty())
            current.cells.push_back(cell);
        if (!current.cells.empty())
            records.push_back(std::move(current));
        current = Record{line, {}};
        cell.clear();
        fieldStarted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n')
                    ++line;
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
            fieldStarted = true;
        } else if (c == sep) {
            current.cells.push_back(cell);
            cell.clear();
            fieldStarted = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++line;
            endRecord();
        } else {
            cell += c;
            fieldStarted = true;
        }
    }
    endRecord();
    return records;
}

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

// One number cell: blanks around it are ignored, a semicolon file may use a
// decimal comma. Empty cells give no value and no error.
bool ReadNumber(const std::string& raw, char sep, std::string_view name, std::optional<float>& value,
                std::string& error)
{
    std::string text = Trim(raw);
    value.reset();
    if (text.empty())
        return true;
    if (sep == ';' && std::count(text.begin(), text.end(), ',') == 1)
        std::replace(text.begin(), text.end(), ',', '.');
    float v = 0.0f;
    if (!ParseFloat(text, v) || !std::isfinite(v)) {
        error = std::string(name) + " '" + Trim(raw) + "' is not a number";
        return false;
    }
    value = v;
    return true;
}

bool AllBlank(const std::vector<std::string>& cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return Trim(c).empty(); });
}

}  // namespace

ScenarioCsv ParseScenarioCsv(std::string_view text)
{
    ScenarioCsv csv;
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);  // a byte-order mark from a spreadsheet
    csv.separator = DetectSeparator(text);
    std::vector<Record> records = SplitRecords(text, csv.separator);
    auto first = std::find_if(records.begin(), records.end(), [](const Record& r) { return !AllBlank(r.cells); });
    if (first == records.end()) {
        csv.error = "no header line";
        return csv;
    }
    csv.header = first->cells;

    std::array<int, kColumns> at;
    at.fill(-1);
    for (std::size_t i = 0; i < csv.header.size(); ++i) {
        const std::string name = Lower(Trim(csv.header[i]));
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
        if (AllBlank(r->cells))
            continue;
        ScenarioCsvRow row;
        row.row = r->line;
        row.cells = std::move(r->cells);
        bool extra = false;
        for (std::size_t i = csv.header.size(); i < row.cells.size(); ++i)
            extra = extra || !Trim(row.cells[i]).empty();
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
                ok = ReadNumber(row.cells[static_cast<std::size_t>(column)], csv.separator,
                                kColumnNames[static_cast<std::size_t>(c)], values[static_cast<std::size_t>(c)],
                                row.error);
        }
        // The wind comes as a direction or as a compass bearing, never both.
        if (ok && values[kDirection] && values[kBearing]) {
            row.error = "both direction and bearing are given; give one of them";
            ok = false;
        }
        if (ok && !values[kDirection] && !values[kBearing]) {
            row.error = at[kBearing] < 0 ? "direction is empty" : at[kDirection] < 0 ? "bearing is empty"
                                                                                      : "direction and bearing are empty";
            ok = false;
        }
        if (ok && !values[kSpeed]) {
            row.error = "speed is empty";
            ok = false;
        }
        if (ok) {
            ScenarioCase scenario;
            scenario.windDirection = values[kDirection] ? *values[kDirection]
                                                         : static_cast<float>(CompassBearing(*values[kBearing]));
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
    const bool plain = cell.find_first_of(std::string{separator, ',', ';', '"', '\n', '\r'}) == std::string_view::npos &&
                       (cell.empty() || (!IsBlank(cell.front()) && !IsBlank(cell.back())));
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
