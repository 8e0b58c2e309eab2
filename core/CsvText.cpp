#include "core/CsvText.h"

#include <algorithm>
#include <cmath>

#include "core/NumberText.h"

namespace orvane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string CsvTrim(std::string_view s)
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
char CsvSeparator(std::string_view text)
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
std::vector<CsvRecord> CsvRecords(std::string_view text, char sep)
{
    std::vector<CsvRecord> records;
    CsvRecord current {1, {}};
    std::string cell;
    bool quoted = false;
    bool fieldStarted = false;  // the record has at least one separator or character
    int line = 1;
    auto endRecord = [&] {
        if (fieldStarted || !cell.empty())
            current.cells.push_back(cell);
        if (!current.cells.empty())
            records.push_back(std::move(current));
        current = CsvRecord {line, {}};
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

// One number cell: blanks around it are ignored, a semicolon file may use a
// decimal comma. Empty cells give no value and no error.
bool CsvNumber(const std::string& raw, char sep, std::string_view name, std::optional<float>& value, std::string& error)
{
    std::string text = CsvTrim(raw);
    value.reset();
    if (text.empty())
        return true;
    if (sep == ';' && std::count(text.begin(), text.end(), ',') == 1)
        std::replace(text.begin(), text.end(), ',', '.');
    float v = 0.0f;
    if (!ParseFloat(text, v) || !std::isfinite(v)) {
        error = std::string(name) + " '" + CsvTrim(raw) + "' is not a number";
        return false;
    }
    value = v;
    return true;
}

bool CsvAllBlank(const std::vector<std::string>& cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return CsvTrim(c).empty(); });
}

}  // namespace orvane
