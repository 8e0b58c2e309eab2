#include "gis/GisExport.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <variant>

#include <cpl_string.h>
#include <cpl_vsi.h>
#include <gdal_priv.h>
#include <ogr_geometry.h>
#include <ogrsf_frmts.h>
#include <unistd.h>

#include "core/Directional.h"
#include "core/Fetch.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/TempFiles.h"
#include "core/Text1252.h"
#include "core/Units.h"
#include "gis/GdalSupport.h"
#include "gis/Ring.h"

namespace orvane {

namespace fs = std::filesystem;

namespace {

using Value = std::variant<std::string, double>;

struct OutFeature {
    std::unique_ptr<OGRGeometry> geometry;
    std::vector<std::pair<std::string, Value>> values;
};

struct OutLayer {
    std::string name;
    OGRwkbGeometryType type;
    std::vector<OutFeature> features;
};

// A stored float32 as the double of its shortest decimal form (20.067f
// becomes 20.067, not 20.066999435424805): the same float when read back,
// and the number the engineer typed.
double Decimal(float value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    double decimal = value;
    std::from_chars(text, end, decimal);
    return decimal;
}

// The boundary as the fetch scan sees it: positions 1..NodeCount-1, closed
// back to position 1 (position NodeCount is not read).
Ring EngineRing(const ProjectRecord& rec, int b, double scale)
{
    std::vector<XY> nodes;
    for (int k = 1; k < UsedNodeCount(rec, b); ++k)
        nodes.push_back({Decimal(rec.NodeX[b][k]) * scale, Decimal(rec.NodeY[b][k]) * scale});
    return CleanRing(nodes);
}

std::unique_ptr<OGRLinearRing> ToLinearRing(const Ring& ring)
{
    auto linear = std::make_unique<OGRLinearRing>();
    for (const XY& p : ring)
        linear->addPoint(p.x, p.y);
    return linear;
}

bool WriteLayer(GDALDataset& dataset, const OutLayer& content, const OGRSpatialReference* srs)
{
    // Texts are UTF-8; a Shapefile says so in its .cpg file.
    const char* options[] = {"ENCODING=UTF-8", nullptr};
    const bool shapefile = std::string(dataset.GetDriverName()) == "ESRI Shapefile";
    OGRLayer* layer = dataset.CreateLayer(content.name.c_str(), const_cast<OGRSpatialReference*>(srs), content.type,
                                          shapefile ? const_cast<char**>(options) : nullptr);
    if (layer == nullptr)
        return false;
    // Fields in order of first use, so a layer of several kinds has them all.
    // Each one's index is the one the layer gave it: a KML layer starts with
    // fields of its own (Name, Description) and a Shapefile cuts names.
    std::vector<std::pair<std::string, int>> created;
    const auto indexOf = [&created](const std::string& name) {
        const auto it = std::find_if(created.begin(), created.end(), [&](const auto& f) { return f.first == name; });
        return it == created.end() ? -1 : it->second;
    };
    for (const OutFeature& feature : content.features) {
        for (const auto& [name, value] : feature.values) {
            if (indexOf(name) >= 0)
                continue;
            OGRFieldDefn field(name.c_str(), std::holds_alternative<double>(value) ? OFTReal : OFTString);
            if (layer->CreateField(&field) != OGRERR_NONE)
                return false;
            created.emplace_back(name, layer->GetLayerDefn()->GetFieldCount() - 1);
        }
    }
    for (const OutFeature& feature : content.features) {
        const OGRFeatureUniquePtr out(OGRFeature::CreateFeature(layer->GetLayerDefn()));
        for (const auto& [name, value] : feature.values) {
            if (const auto* text = std::get_if<std::string>(&value))
                out->SetField(indexOf(name), text->c_str());
            else
                out->SetField(indexOf(name), std::get<double>(value));
        }
        out->SetGeometry(feature.geometry.get());
        if (layer->CreateFeature(out.get()) != OGRERR_NONE)
            return false;
    }
    return true;
}

GisExportResult Bad(std::string message)
{
    GisExportResult result;
    result.Fail(std::move(message));
    result.badArguments = true;
    return result;
}

// What the arguments decide. result is the export's result so far: failed
// when the file name, the options or the project's unit cannot be used
// (badArguments set for the first two), else holding the note of a change of
// unit.
struct ExportPlan {
    GisExportResult result;
    std::string format;  // the GDAL driver's name
    bool kml = false;
    bool hasSrs = false;
    OGRSpatialReference projectSrs;  // the project's coordinate system, when hasSrs
    double scale = 1.0;              // file lengths per project length
    std::string lengthUnit;          // the file's unit of length, the "units" of every feature
};

ExportPlan PlanExport(const ProjectRecord& rec, const std::string& path, const GisExportOptions& options)
{
    ExportPlan plan;
    plan.format = GisFormatOf(path);
    if (plan.format.empty()) {
        plan.result =
            Bad("unknown GIS format [" + path + "]: the name must end in .geojson, .json, .gpkg, .kml or .shp");
        return plan;
    }
    plan.kml = plan.format == "KML";
    plan.hasSrs = options.epsg != 0 || !options.crs.empty();
    OGRSpatialReference& srs = plan.projectSrs;
    if (options.epsg != 0 && !SrsFromEpsg(options.epsg, srs))
        plan.result = Bad(Format("unknown coordinate system EPSG:%d", options.epsg));
    else if (options.epsg == 0 && plan.hasSrs && !SrsFromText(options.crs, srs))
        plan.result = Bad("unknown coordinate system " + options.crs);
    else if (plan.hasSrs && !srs.IsProjected())
        plan.result =
            Bad(SrsLabel(srs) + " is not a projected coordinate system; the project's coordinates are lengths");
    else if (plan.kml && !plan.hasSrs)
        plan.result = Bad("KML holds longitude/latitude: give the project's coordinate system as EPSG:NNNN");
    if (!plan.result)
        return plan;
    const double projectMetres = MetresPerCoordUnit(rec.CoordUnits);
    // What the project holds is no usage error: the command fails (exit 1).
    if (!std::isfinite(projectMetres)) {
        plan.result.Fail(Format("the project's coordinate unit code %d is unknown", rec.CoordUnits));
        return plan;
    }

    // Lengths in the file: the system's unit when one is given, else the project's.
    plan.lengthUnit = CoordUnitName(rec.CoordUnits);
    if (plan.hasSrs) {
        const char* unitName = nullptr;
        const double metresPerUnit = srs.GetLinearUnits(&unitName);
        plan.scale = projectMetres / metresPerUnit;
        const int code = CoordUnitsOfLinearUnit(metresPerUnit);
        plan.lengthUnit = code >= 0 ? CoordUnitName(code) : std::string(unitName != nullptr ? unitName : "?");
        if (plan.lengthUnit != CoordUnitName(rec.CoordUnits))
            plan.result.notes.push_back("coordinates converted from " + CoordUnitName(rec.CoordUnits) + " to " +
                                        plan.lengthUnit + " of " + SrsLabel(srs));
    }
    return plan;
}

// The region as one polygon: the outer boundary with the islands as holes.
// Nothing when the outer boundary is unusable (the result then says so).
std::optional<OutLayer> MakeRegionLayer(const ProjectRecord& rec, const ExportPlan& plan, GisExportResult& result)
{
    auto polygon = std::make_unique<OGRPolygon>();
    const Ring outer = EngineRing(rec, 1, plan.scale);
    if (UsedBoundaryCount(rec) < 1 || outer.empty()) {
        result.Fail("the project has no outer boundary of three or more distinct nodes to export");
        return std::nullopt;
    }
    polygon->addRingDirectly(ToLinearRing(outer).release());
    for (int b = 2; b <= UsedBoundaryCount(rec); ++b) {
        Ring island = EngineRing(rec, b, plan.scale);
        if (island.empty()) {
            result.notes.push_back(Format("island %d has fewer than three distinct nodes and was left out", b - 1));
            continue;
        }
        std::reverse(island.begin(), island.end());  // holes run clockwise
        polygon->addRingDirectly(ToLinearRing(island).release());
    }
    if (!polygon->IsValid())
        result.notes.push_back("the region polygon is not valid: an island crosses the shore or another island");
    OutFeature feature {std::move(polygon), {{"kind", std::string("region")}}};
    feature.values.emplace_back("title", Cp1252ToUtf8(TitleBytes(rec)));
    feature.values.emplace_back("units", plan.lengthUnit);
    OutLayer region {"region", wkbPolygon, {}};
    region.features.push_back(std::move(feature));
    return region;
}

OutLayer MakePointLayer(const ProjectRecord& rec, const ExportPlan& plan)
{
    OutLayer point {"point", wkbPoint, {}};
    const double x = Decimal(rec.PointX) * plan.scale;
    const double y = Decimal(rec.PointY) * plan.scale;
    point.features.push_back({std::make_unique<OGRPoint>(x, y),
                              {{"kind", std::string("point")},
                               {"units", plan.lengthUnit},
                               {"wind_deg", Decimal(rec.WindDirection)},
                               {"sector_deg", Decimal(rec.SectorAngle)}}});
    return point;
}

// The fetches of the computation itself; each ray runs along the direction
// the scan used (turned off the axes), so its length is the fetch. A
// direction without a fetch gets no ray, and a note counts them.
OutLayer MakeRayLayer(const ProjectRecord& rec, const ExportPlan& plan, std::vector<std::string>& notes)
{
    OutLayer rays {"rays", wkbLineString, {}};
    const double x0 = Decimal(rec.PointX);
    const double y0 = Decimal(rec.PointY);
    const double scale = plan.scale;
    const Sector sector = MakeSector(rec);
    int empty = 0;
    for (int i = 0; i < sector.count; ++i) {
        const SectorDirection& dir = sector.directions[static_cast<std::size_t>(i)];
        if (!(dir.fetch > 0.0f) || !std::isfinite(dir.fetch)) {
            ++empty;
            continue;
        }
        const double theta = NudgeOffAxes(dir.rad);
        const double fetch = Decimal(dir.fetch);
        auto line = std::make_unique<OGRLineString>();
        line->addPoint(x0 * scale, y0 * scale);
        line->addPoint((x0 + fetch * std::cos(theta)) * scale, (y0 + fetch * std::sin(theta)) * scale);
        rays.features.push_back({std::move(line),
                                 {{"kind", std::string("ray")},
                                  {"units", plan.lengthUnit},
                                  {"direction_deg", Decimal(dir.deg)},
                                  {"fetch", fetch * scale}}});
    }
    if (empty > 0)
        notes.push_back(Format("%d of %d directions cross no boundary (fetch 0) and have no ray", empty, sector.count));
    return rays;
}

struct ExportLayers {
    OutLayer region;
    OutLayer point;
    OutLayer rays;  // empty unless rays were asked for
};

// KML: every feature to WGS 84 longitude/latitude (wgs84 receives that
// system, for the file). false, with the result failed, when PROJ cannot.
bool ToLonLat(ExportLayers& layers, const OGRSpatialReference& projectSrs, OGRSpatialReference& wgs84,
              const GdalErrorCapture& capture, GisExportResult& result)
{
    SrsFromEpsg(4326, wgs84);
    const std::unique_ptr<OGRCoordinateTransformation> ct(OGRCreateCoordinateTransformation(&projectSrs, &wgs84));
    for (OutLayer* layer : {&layers.region, &layers.point, &layers.rays}) {
        for (OutFeature& feature : layer->features) {
            if (!ct || feature.geometry->transform(ct.get()) != OGRERR_NONE) {
                result.Fail("cannot transform " + SrsLabel(projectSrs) + " to longitude/latitude" + capture.Reason());
                return false;
            }
        }
    }
    return true;
}

using MemoryFiles = std::vector<std::pair<std::string, std::string>>;  // name, bytes

// One dataset of the given layers, created by the driver at memoryPath.
bool WriteDataset(GDALDriver* driver, const std::string& memoryPath, const std::vector<const OutLayer*>& layers,
                  const OGRSpatialReference* srs)
{
    const GDALDatasetUniquePtr dataset(
        driver != nullptr ? driver->Create(memoryPath.c_str(), 0, 0, 0, GDT_Unknown, nullptr) : nullptr);
    if (!dataset)
        return false;
    for (const OutLayer* layer : layers) {
        if (!WriteLayer(*dataset, *layer, srs))
            return false;
    }
    return true;
}

// The files of the export, written by GDAL into memory: for GeoJSON one layer
// named after the file with every feature, for a Shapefile one file per layer
// (OUT.shp, OUT_point.shp, OUT_rays.shp), else one file of the layers
// "region", "point" and "rays". Empty when GDAL failed.
MemoryFiles WriteInMemory(const MemoryFolder& memory, GDALDriver* driver, const std::string& format,
                          ExportLayers& layers, const std::string& path, bool withRays,
                          const OGRSpatialReference* fileSrs)
{
    const auto write = [&](const std::string& fileName, const std::vector<const OutLayer*>& set) {
        return WriteDataset(driver, memory.Path() + "/" + fileName, set, fileSrs);
    };
    const fs::path target(path);
    const std::string name = target.filename().string();
    const std::string stem = target.stem().string();
    bool written = true;
    if (format == "GeoJSON") {
        OutLayer all {stem, wkbUnknown, {}};
        for (OutLayer* layer : {&layers.region, &layers.point, &layers.rays})
            std::move(layer->features.begin(), layer->features.end(), std::back_inserter(all.features));
        written = write(name, {&all});
    } else if (format == "ESRI Shapefile") {
        layers.region.name = stem;
        layers.point.name = stem + "_point";
        layers.rays.name = stem + "_rays";
        written = write(name, {&layers.region}) && write(layers.point.name + ".shp", {&layers.point}) &&
                  (!withRays || write(layers.rays.name + ".shp", {&layers.rays}));
    } else {
        std::vector<const OutLayer*> set {&layers.region, &layers.point};
        if (withRays)
            set.push_back(&layers.rays);
        written = write(name, set);
    }
    return written ? memory.Files() : MemoryFiles();
}

// One file: written beside the old one and renamed over it (links followed,
// a read-only file refused, its permissions kept).
void PutOneFile(const std::string& path, const MemoryFiles& files, GisExportResult& result)
{
    const std::string name = fs::path(path).filename().string();
    if (files.size() != 1 || files.front().first != name) {
        result.Fail("cannot write GIS file [" + path + "]: the driver wrote other files than " + name);
        return;
    }
    const std::string& bytes = files.front().second;
    if (Outcome put = WriteFileAtomically(path, bytes.data(), bytes.size()); !put) {
        result.Fail(std::move(put.message));
        return;
    }
    result.files.push_back(path);
}

// A Shapefile set: every component of every layer written into one temporary
// folder beside the target, then each renamed into place; a failed rename
// brings the old set back (ReplaceFiles).
void PutShapefileSet(const std::string& path, const MemoryFiles& files, const GisExportOptions& options,
                     GisExportResult& result)
{
    const fs::path target(path);
    RemoveStaleTemps(path);
    const TempFolder temp(path);
    if (temp.Path().empty()) {
        result.Fail(WriteFailureText(target.parent_path().empty() ? std::string(".") : target.parent_path().string()));
        return;
    }
    std::vector<FileMove> moves;
    for (const auto& [fileName, bytes] : files) {
        const std::string prepared = temp.Path() + "/" + fileName;
        if (!WriteFileAtomically(prepared, bytes.data(), bytes.size())) {
            result.Fail(WriteFailureText(path));
            return;
        }
        moves.push_back({prepared, (target.parent_path() / fileName).string()});
    }
    if (Outcome moved = ReplaceFiles(moves, temp.Path(), options.beforeEachMove); !moved) {
        result.Fail(std::move(moved.message));
        return;
    }
    for (const FileMove& move : moves)
        result.files.push_back(move.to);
}

}  // namespace

GisExportResult ExportGis(const ProjectRecord& rec, const std::string& path, const GisExportOptions& options)
{
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    ExportPlan plan = PlanExport(rec, path, options);
    GisExportResult& result = plan.result;
    if (!result)
        return result;

    std::optional<OutLayer> region = MakeRegionLayer(rec, plan, result);
    if (!region)
        return result;
    ExportLayers layers {std::move(*region), MakePointLayer(rec, plan), OutLayer {"rays", wkbLineString, {}}};
    if (options.rays)
        layers.rays = MakeRayLayer(rec, plan, result.notes);

    OGRSpatialReference wgs84;
    if (plan.kml && !ToLonLat(layers, plan.projectSrs, wgs84, capture, result))
        return result;
    const OGRSpatialReference* fileSrs = plan.kml ? &wgs84 : plan.hasSrs ? &plan.projectSrs : nullptr;

    // GDAL writes in memory; nothing reaches the disk before it succeeded.
    const MemoryFolder memory;
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(plan.format.c_str());
    capture.Reset();
    const MemoryFiles files = WriteInMemory(memory, driver, plan.format, layers, path, options.rays, fileSrs);
    if (files.empty() || !capture.LastError().empty()) {
        result.Fail("cannot write GIS file [" + path + "]" + capture.Reason());
        return result;
    }
    if (plan.format == "ESRI Shapefile")
        PutShapefileSet(path, files, options, result);
    else
        PutOneFile(path, files, result);
    return result;
}

}  // namespace orvane
