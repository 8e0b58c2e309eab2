#include "core/SitePoints.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/CommitRules.h"
#include "core/ComputeWaves.h"
#include "core/CoreShare.h"
#include "core/CsvText.h"
#include "core/Directional.h"
#include "core/EngineMath.h"
#include "core/FetchScanner.h"
#include "core/Format.h"
#include "core/NumberText.h"
#include "core/Region.h"
#include "core/ScenarioCsv.h"

namespace orvane {

namespace {

std::string Lower(std::string_view text)
{
    std::string out = CsvTrim(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The index of the first column named one of names (any case), -1 if none.
int ColumnOf(const std::vector<std::string>& columns, std::initializer_list<std::string_view> names)
{
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string name = Lower(columns[i]);
        if (std::find(names.begin(), names.end(), name) != names.end())
            return static_cast<int>(i);
    }
    return -1;
}

std::string CellOf(const SitePoint& p, int column)
{
    return column >= 0 && static_cast<std::size_t>(column) < p.cells.size() ? p.cells[static_cast<std::size_t>(column)]
                                                                            : std::string();
}

void AddNote(std::string& note, const std::string& text) { note += (note.empty() ? "" : "; ") + text; }

// "name 200 -> 180" when the limits changed a value.
void NoteChange(std::string& note, const char* name, float before, float after)
{
    if (!(before == after))
        AddNote(note, Format("%s %g -> %g", name, static_cast<double>(before), static_cast<double>(after)));
}

// Nine significant digits: the text reads back as the same float32.
std::string Number(float v) { return std::isfinite(v) ? Format("%.9g", static_cast<double>(v)) : std::string(); }

// A coordinate cell in double (longitudes and UTM coordinates need more
// than a float32's digits), with CsvNumber's rules and messages.
bool ReadPosition(const std::string& raw, char separator, const char* name, std::optional<double>& value,
                  std::string& error)
{
    std::optional<float> checked;
    if (!CsvNumber(raw, separator, name, checked, error))
        return false;
    value.reset();
    if (!checked)
        return true;
    std::string text = CsvTrim(raw);
    if (separator == ';')
        std::replace(text.begin(), text.end(), ',', '.');
    double v = 0.0;
    if (!ParseReal(text, v) || !std::isfinite(v)) {
        error = std::string(name) + " '" + CsvTrim(raw) + "' is not a number";
        return false;
    }
    value = v;
    return true;
}

enum Attribute { kBearing, kDirection, kSpeed, kSector, kDepth, kAttributes };
constexpr std::array<std::string_view, kAttributes> kAttributeNames = {"bearing", "direction", "speed", "sector",
                                                                       "depth"};

class PointRunner {
public:
    PointRunner(const ProjectRecord& rec, const GrowthOptions& growth, const PointTable& table, bool useFields,
                const BearingsAt& bearingsAt)
        : rec_(rec), growth_(growth), table_(table), bearingsAt_(bearingsAt), scanner_(rec)
    {
        for (int a = 0; a < kAttributes; ++a)
            at_[static_cast<std::size_t>(a)] =
                useFields ? ColumnOf(table.columns, {kAttributeNames[static_cast<std::size_t>(a)]}) : -1;
    }

    SiteResult Run(const SitePoint& point) const
    {
        SiteResult out;
        if (!point.error.empty() || !point.hasPosition || point.lonLat) {
            out.note = point.error.empty() ? "no position" : point.error;
            return out;
        }
        std::array<std::optional<float>, kAttributes> values;
        for (int a = 0; a < kAttributes; ++a) {
            const std::size_t i = static_cast<std::size_t>(a);
            if (!CsvNumber(CellOf(point, at_[i]), table_.separator, kAttributeNames[i], values[i], out.note))
                return out;
        }
        if (values[kBearing] && values[kDirection]) {
            out.note = "both direction and bearing are given; give one of them";
            return out;
        }
        ProjectRecord rec = rec_;
        rec.PointX = F32(point.x);
        rec.PointY = F32(point.y);
        if (values[kDirection])
            rec.WindDirection = *values[kDirection];
        if (values[kBearing]) {
            const BearingReference ref = bearingsAt_ ? bearingsAt_(rec.PointX, rec.PointY) : GridBearings();
            rec.WindDirection = static_cast<float>(DirectionOfBearing(*values[kBearing], ref));
        }
        rec.WindVelocity = values[kSpeed].value_or(rec.WindVelocity);
        rec.SectorAngle = values[kSector].value_or(rec.SectorAngle);
        rec.Depth = values[kDepth].value_or(rec.Depth);
        const ProjectRecord asGiven = rec;
        ClampInputs(rec);
        ClampMethodCodes(rec);
        NoteChange(out.note, "sector", asGiven.SectorAngle, rec.SectorAngle);
        NoteChange(out.note, "speed", asGiven.WindVelocity, rec.WindVelocity);
        NoteChange(out.note, "depth", asGiven.Depth, rec.Depth);

        out.computed = true;
        out.inWater = PointInWater(rec);
        if (!out.inWater)
            return out;  // kept, without waves
        const Sector sector = MakeSector(rec, scanner_);
        WaveResults results {};
        ComputeSectorWaves(rec, sector, growth_, results);
        out.centralFetch =
            scanner_.Fetch(rec.PointX, rec.PointY, F32(static_cast<double>(rec.WindDirection) * kDegToRad));
        out.effectiveFetch = EffectiveFetch(sector);
        out.hs = rec.CoordUnits > 1 ? results.HeightM : results.HeightFt;
        out.ts = results.Period;
        out.limited = GrowthLimitName(SummariseGrowth(rec, sector, growth_).result.limited);
        return out;
    }

private:
    ProjectRecord rec_;
    GrowthOptions growth_;
    const PointTable& table_;
    const BearingsAt& bearingsAt_;
    FetchScanner scanner_;
    std::array<int, kAttributes> at_ {};
};

}  // namespace

PointTable ParsePointsCsv(std::string_view text)
{
    PointTable table;
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);  // a byte-order mark from a spreadsheet
    table.separator = CsvSeparator(text);
    std::vector<CsvRecord> records = CsvRecords(text, table.separator);
    const auto first =
        std::find_if(records.begin(), records.end(), [](const CsvRecord& r) { return !CsvAllBlank(r.cells); });
    if (first == records.end()) {
        table.error = "no header line";
        return table;
    }
    table.columns = first->cells;
    int xColumn = ColumnOf(table.columns, {"x"});
    int yColumn = ColumnOf(table.columns, {"y"});
    bool lonLat = false;
    if (xColumn < 0 || yColumn < 0) {
        xColumn = ColumnOf(table.columns, {"lon", "longitude"});
        yColumn = ColumnOf(table.columns, {"lat", "latitude"});
        lonLat = true;
    }
    if (xColumn < 0 || yColumn < 0) {
        table.error = "the header names no x and y (or lon and lat) columns";
        return table;
    }
    for (auto r = first + 1; r != records.end(); ++r) {
        if (CsvAllBlank(r->cells))
            continue;
        SitePoint point;
        point.row = r->line;
        point.cells = std::move(r->cells);
        const bool extra = std::any_of(
            point.cells.begin() + static_cast<std::ptrdiff_t>(std::min(point.cells.size(), table.columns.size())),
            point.cells.end(), [](const std::string& c) { return !CsvTrim(c).empty(); });
        point.cells.resize(table.columns.size());
        if (extra) {
            point.error = "more cells than the header has columns";
        } else {
            std::optional<double> x, y;
            const char* names[2] = {lonLat ? "lon" : "x", lonLat ? "lat" : "y"};
            if (ReadPosition(CellOf(point, xColumn), table.separator, names[0], x, point.error) &&
                ReadPosition(CellOf(point, yColumn), table.separator, names[1], y, point.error)) {
                if (!x || !y)
                    point.error = "the position is empty";
                else if (lonLat && (std::fabs(*x) > 180.0 || std::fabs(*y) > 90.0))
                    point.error = "lon/lat out of range";
                else {
                    point.hasPosition = true;
                    point.lonLat = lonLat;
                    point.x = *x;
                    point.y = *y;
                }
            }
        }
        table.points.push_back(std::move(point));
    }
    return table;
}

std::vector<SiteResult> RunSitePoints(const ProjectRecord& rec, const GrowthOptions& growth, const PointTable& table,
                                      bool useFields, const BearingsAt& bearingsAt)
{
    const PointRunner runner(rec, growth, table, useFields, bearingsAt);
    std::vector<SiteResult> results(table.points.size());
    ShareAmongCores(results.size(), 64, [&](std::size_t first, std::size_t stride) {
        for (std::size_t k = first; k < results.size(); k += stride)
            results[k] = runner.Run(table.points[k]);
    });
    return results;
}

std::vector<std::string> SiteResultCells(const SiteResult& r)
{
    if (!r.computed)
        return {"", "", "", "", "", "", r.note};
    if (!r.inWater)
        return {"false", "", "", "", "", "", r.note};
    return {"true", Number(r.centralFetch), Number(r.effectiveFetch), Number(r.hs), Number(r.ts), r.limited, r.note};
}

std::string SitePointsCsv(const PointTable& table, const std::vector<SiteResult>& results)
{
    const char sep = table.separator;
    const bool addXY = std::any_of(table.points.begin(), table.points.end(),
                                   [](const SitePoint& p) { return p.hasPosition && !p.lonLat; }) &&
                       ColumnOf(table.columns, {"x"}) < 0;
    std::string out;
    auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            out += (i > 0 ? std::string(1, sep) : std::string()) + CsvField(cells[i], sep);
        out += "\n";
    };
    std::vector<std::string> header = table.columns;
    if (addXY) {
        header.push_back("x");
        header.push_back("y");
    }
    for (const char* column : kSiteResultColumns)
        header.emplace_back(column);
    line(header);
    for (std::size_t k = 0; k < table.points.size(); ++k) {
        const SitePoint& p = table.points[k];
        std::vector<std::string> cells = p.cells;
        cells.resize(table.columns.size());
        if (addXY) {
            const bool known = p.hasPosition && !p.lonLat;
            // The stored float32 point, in plain decimals a spreadsheet keeps.
            cells.push_back(known ? Format("%.9g", static_cast<double>(F32(p.x))) : std::string());
            cells.push_back(known ? Format("%.9g", static_cast<double>(F32(p.y))) : std::string());
        }
        const std::vector<std::string> result = k < results.size() ? SiteResultCells(results[k]) : SiteResultCells({});
        cells.insert(cells.end(), result.begin(), result.end());
        line(cells);
    }
    return out;
}

}  // namespace orvane
