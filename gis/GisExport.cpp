#include "gis/GisExport.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <memory>
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

}  // namespace

GisExportResult ExportGis(const ProjectRecord& rec, const std::string& path, const GisExportOptions& options)
{
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    const std::string format = GisFormatOf(path);
    if (format.empty())
        return Bad("unknown GIS format [" + path + "]: the name must end in .geojson, .json, .gpkg, .kml or .shp");
    const bool kml = format == "KML";
    OGRSpatialReference projectSrs;
    const bool hasSrs = options.epsg != 0 || !options.crs.empty();
    if (options.epsg != 0 && !SrsFromEpsg(options.epsg, projectSrs))
        return Bad(Format("unknown coordinate system EPSG:%d", options.epsg));
    if (options.epsg == 0 && hasSrs && !SrsFromText(options.crs, projectSrs))
        return Bad("unknown coordinate system " + options.crs);
    if (hasSrs && !projectSrs.IsProjected())
        return Bad(SrsLabel(projectSrs) + " is not a projected coordinate system; the project's coordinates are lengths");
    if (kml && !hasSrs)
        return Bad("KML holds longitude/latitude: give the project's coordinate system as EPSG:NNNN");
    const double projectMetres = MetresPerCoordUnit(rec.CoordUnits);
    // What the project holds is no usage error: the command fails (exit 1).
    if (!std::isfinite(projectMetres)) {
        GisExportResult unknownUnit;
        unknownUnit.Fail(Format("the project's coordinate unit code %d is unknown", rec.CoordUnits));
        return unknownUnit;
    }

    GisExportResult result;
    // Lengths in the file: the system's unit when one is given, else the project's.
    double scale = 1.0;
    std::string lengthUnit = CoordUnitName(rec.CoordUnits);
    if (hasSrs) {
        const char* unitName = nullptr;
        const double metresPerUnit = projectSrs.GetLinearUnits(&unitName);
        scale = projectMetres / metresPerUnit;
        const int code = CoordUnitsOfLinearUnit(metresPerUnit);
        lengthUnit = code >= 0 ? CoordUnitName(code) : std::string(unitName != nullptr ? unitName : "?");
        if (lengthUnit != CoordUnitName(rec.CoordUnits))
            result.notes.push_back("coordinates converted from " + CoordUnitName(rec.CoordUnits) + " to " + lengthUnit +
                                   " of " + SrsLabel(projectSrs));
    }

    OutLayer region{"region", wkbPolygon, {}};
    OutLayer point{"point", wkbPoint, {}};
    OutLayer rays{"rays", wkbLineString, {}};

    auto polygon = std::make_unique<OGRPolygon>();
    const Ring outer = EngineRing(rec, 1, scale);
    if (UsedBoundaryCount(rec) < 1 || outer.empty()) {
        result.Fail("the project has no outer boundary of three or more distinct nodes to export");
        return result;
    }
    polygon->addRingDirectly(ToLinearRing(outer).release());
    for (int b = 2; b <= UsedBoundaryCount(rec); ++b) {
        Ring island = EngineRing(rec, b, scale);
        if (island.empty()) {
            result.notes.push_back(Format("island %d has fewer than three distinct nodes and was left out", b - 1));
            continue;
        }
        std::reverse(island.begin(), island.end());  // holes run clockwise
        polygon->addRingDirectly(ToLinearRing(island).release());
    }
    if (!polygon->IsValid())
        result.notes.push_back("the region polygon is not valid: an island crosses the shore or another island");
    OutFeature regionFeature{std::move(polygon), {{"kind", std::string("region")}}};
    regionFeature.values.emplace_back("title", Cp1252ToUtf8(TitleBytes(rec)));
    regionFeature.values.emplace_back("units", lengthUnit);
    region.features.push_back(std::move(regionFeature));

    const double x0 = Decimal(rec.PointX);
    const double y0 = Decimal(rec.PointY);
    point.features.push_back({std::make_unique<OGRPoint>(x0 * scale, y0 * scale),
                              {{"kind", std::string("point")},
                               {"units", lengthUnit},
                               {"wind_deg", Decimal(rec.WindDirection)},
                               {"sector_deg", Decimal(rec.SectorAngle)}}});

    if (options.rays) {
        // The fetches of the computation itself; each ray runs along the
        // direction the scan used (turned off the axes), so its length is
        // the fetch.
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
                                      {"units", lengthUnit},
                                      {"direction_deg", Decimal(dir.deg)},
                                      {"fetch", fetch * scale}}});
        }
        if (empty > 0)
            result.notes.push_back(Format("%d of %d directions cross no boundary (fetch 0) and have no ray", empty,
                                          sector.count));
    }

    // KML: everything to WGS 84 longitude/latitude.
    OGRSpatialReference wgs84;
    const OGRSpatialReference* fileSrs = hasSrs ? &projectSrs : nullptr;
    if (kml) {
        SrsFromEpsg(4326, wgs84);
        const std::unique_ptr<OGRCoordinateTransformation> ct(OGRCreateCoordinateTransformation(&projectSrs, &wgs84));
        for (OutLayer* layer : {&region, &point, &rays}) {
            for (OutFeature& feature : layer->features) {
                if (!ct || feature.geometry->transform(ct.get()) != OGRERR_NONE) {
                    result.Fail("cannot transform " + SrsLabel(projectSrs) + " to longitude/latitude" + capture.Reason());
                    return result;
                }
            }
        }
        fileSrs = &wgs84;
    }

    // GDAL writes in memory; nothing reaches the disk before it succeeded.
    const fs::path target(path);
    const MemoryFolder memory;
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(format.c_str());
    auto write = [&](const std::string& fileName, const std::vector<const OutLayer*>& layers) {
        const std::string memoryPath = memory.Path() + "/" + fileName;
        const GDALDatasetUniquePtr dataset(
            driver != nullptr ? driver->Create(memoryPath.c_str(), 0, 0, 0, GDT_Unknown, nullptr) : nullptr);
        if (!dataset)
            return false;
        for (const OutLayer* layer : layers) {
            if (!WriteLayer(*dataset, *layer, fileSrs))
                return false;
        }
        return true;
    };
    const std::string name = target.filename().string();
    const std::string stem = target.stem().string();
    bool written = true;
    capture.Reset();
    if (format == "GeoJSON") {
        OutLayer all{stem, wkbUnknown, {}};
        for (OutLayer* layer : {&region, &point, &rays})
            std::move(layer->features.begin(), layer->features.end(), std::back_inserter(all.features));
        written = write(name, {&all});
    } else if (format == "ESRI Shapefile") {
        region.name = stem;
        point.name = stem + "_point";
        rays.name = stem + "_rays";
        written = write(name, {&region}) && write(point.name + ".shp", {&point}) &&
                  (!options.rays || write(rays.name + ".shp", {&rays}));
    } else {
        std::vector<const OutLayer*> layers{&region, &point};
        if (options.rays)
            layers.push_back(&rays);
        written = write(name, layers);
    }
    const std::vector<std::pair<std::string, std::string>> files = memory.Files();
    if (!written || !capture.LastError().empty() || files.empty()) {
        result.Fail("cannot write GIS file [" + path + "]" + capture.Reason());
        return result;
    }

    // One file: written beside the old one and renamed over it (links
    // followed, a read-only file refused, its permissions kept).
    if (format != "ESRI Shapefile") {
        if (files.size() != 1 || files.front().first != name) {
            result.Fail("cannot write GIS file [" + path + "]: the driver wrote other files than " + name);
            return result;
        }
        const std::string& bytes = files.front().second;
        if (Outcome put = WriteFileAtomically(path, bytes.data(), bytes.size()); !put) {
            result.Fail(std::move(put.message));
            return result;
        }
        result.files.push_back(path);
        return result;
    }

    // A Shapefile set: every component of every layer written into one
    // temporary folder beside the target, then each renamed into place; a
    // failed rename brings the old set back (ReplaceFiles).
    RemoveStaleTemps(path);
    const TempFolder temp(path);
    if (temp.Path().empty()) {
        result.Fail(WriteFailureText(target.parent_path().empty() ? std::string(".") : target.parent_path().string()));
        return result;
    }
    std::vector<FileMove> moves;
    for (const auto& [fileName, bytes] : files) {
        const std::string prepared = temp.Path() + "/" + fileName;
        if (!WriteFileAtomically(prepared, bytes.data(), bytes.size())) {
            result.Fail(WriteFailureText(path));
            return result;
        }
        moves.push_back({prepared, (target.parent_path() / fileName).string()});
    }
    if (Outcome moved = ReplaceFiles(moves, temp.Path(), options.beforeEachMove); !moved) {
        result.Fail(std::move(moved.message));
        return result;
    }
    for (const FileMove& move : moves)
        result.files.push_back(move.to);
    return result;
}

}  // namespace orvane
