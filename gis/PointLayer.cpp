#include "gis/PointLayer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <gdal_priv.h>
#include <ogr_geometry.h>
#include <ogrsf_frmts.h>

#include "core/FileIO.h"
#include "core/Format.h"
#include "gis/GdalSupport.h"

namespace orvane {

namespace {

// Project unit -> unit of srs.
double ScaleTo(const OGRSpatialReference& srs, int coordUnits)
{
    return MetresPerCoordUnit(coordUnits) / srs.GetLinearUnits(nullptr);
}

bool HasPoints(OGRLayer& layer)
{
    const OGRwkbGeometryType type = wkbFlatten(layer.GetGeomType());
    return type == wkbPoint || type == wkbMultiPoint || type == wkbUnknown;
}

}  // namespace

PointLayerRead ReadPointLayer(const std::string& source, const std::string& layerName, const std::string& crs,
                              int coordUnits)
{
    PointLayerRead out;
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    if (std::string problem = GisSourceProblem(source); !problem.empty()) {
        out.Fail(std::move(problem));
        return out;
    }
    const GDALDatasetUniquePtr dataset(GDALDataset::Open(source.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (!dataset) {
        out.Fail("cannot read GIS file [" + source + "]" +
                 (capture.LastError().empty() ? std::string(": not a vector format GDAL reads") : capture.Reason()));
        return out;
    }
    OGRLayer* layer = nullptr;
    for (OGRLayer* l : dataset->GetLayers()) {
        if ((layerName.empty() && HasPoints(*l)) || layerName == l->GetName()) {
            layer = l;
            break;
        }
    }
    if (layer == nullptr) {
        out.Fail("no " + (layerName.empty() ? std::string("layer of points") : "layer [" + layerName + "]") + " in [" +
                 source + "]");
        return out;
    }

    // Into the project's system and unit.
    const OGRSpatialReference* layerSrs = layer->GetSpatialRef();
    OGRSpatialReference projectSrs;
    std::unique_ptr<OGRCoordinateTransformation> ct;
    double scale = 1.0;  // the project's system's unit -> the project's unit
    if (layerSrs != nullptr) {
        if (crs.empty() || !SrsFromText(crs, projectSrs)) {
            out.Fail("the points of [" + source + "] are in " + SrsLabel(*layerSrs) +
                     ": the project needs its coordinate system to place them (set crs=EPSG:N)");
            return out;
        }
        OGRSpatialReference from(*layerSrs);
        from.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        ct.reset(OGRCreateCoordinateTransformation(&from, &projectSrs));
        scale = 1.0 / ScaleTo(projectSrs, coordUnits);
        if (!ct || !std::isfinite(scale)) {
            out.Fail("cannot transform " + SrsLabel(*layerSrs) + " to " + SrsLabel(projectSrs) + capture.Reason());
            return out;
        }
        if (!from.IsSame(&projectSrs))
            out.notes.push_back("points transformed from " + SrsLabel(from) + " to " + SrsLabel(projectSrs));
    } else {
        out.notes.push_back("the points have no coordinate system: taken as the project's coordinates");
    }

    OGRFeatureDefn* defn = layer->GetLayerDefn();
    for (int i = 0; i < defn->GetFieldCount(); ++i)
        out.table.columns.emplace_back(defn->GetFieldDefn(i)->GetNameRef());
    layer->ResetReading();
    int number = 0;
    for (const auto& feature : *layer) {
        SitePoint point;
        point.row = ++number;
        for (int i = 0; i < defn->GetFieldCount(); ++i)
            point.cells.emplace_back(feature->IsFieldSetAndNotNull(i) ? feature->GetFieldAsString(i) : "");
        const OGRGeometry* geometry = feature->GetGeometryRef();
        const OGRPoint* at = nullptr;
        if (geometry != nullptr && wkbFlatten(geometry->getGeometryType()) == wkbPoint)
            at = geometry->toPoint();
        else if (geometry != nullptr && wkbFlatten(geometry->getGeometryType()) == wkbMultiPoint &&
                 geometry->toMultiPoint()->getNumGeometries() == 1)
            at = geometry->toMultiPoint()->getGeometryRef(0);
        if (at == nullptr || at->IsEmpty()) {
            point.error = "the feature is no point";
        } else {
            double x = at->getX(), y = at->getY();
            if (ct && !ct->Transform(1, &x, &y))
                point.error = "the point cannot be transformed";
            else if (!std::isfinite(x * scale) || !std::isfinite(y * scale))
                point.error = "the position is no number";
            else {
                point.hasPosition = true;
                point.x = x * scale;
                point.y = y * scale;
            }
        }
        out.table.points.push_back(std::move(point));
    }
    return out;
}

Outcome WritePointLayer(const std::string& path, const PointTable& table, const std::vector<SiteResult>& results,
                        const std::string& crs, int coordUnits)
{
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    const std::string format = PointLayerFormatOf(path);
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(format.c_str());
    if (format.empty() || driver == nullptr)
        return Outcome::Failure("cannot write [" + path + "]: the name must end in .csv, .geojson, .json or .gpkg");
    OGRSpatialReference srs;
    double scale = 1.0;
    if (!crs.empty()) {
        if (!SrsFromText(crs, srs) || !srs.IsProjected())
            return Outcome::Failure("cannot write [" + path + "]: the project's coordinate system " + crs +
                                    " is not a projected system PROJ knows");
        scale = ScaleTo(srs, coordUnits);
    }
    const MemoryFolder memory;
    const std::string name = std::filesystem::path(path).filename().string();
    {
        const GDALDatasetUniquePtr dataset(
            driver->Create((memory.Path() + "/" + name).c_str(), 0, 0, 0, GDT_Unknown, nullptr));
        OGRLayer* layer =
            dataset ? dataset->CreateLayer("points", crs.empty() ? nullptr : &srs, wkbPoint, nullptr) : nullptr;
        if (layer == nullptr)
            return Outcome::Failure("cannot write [" + path + "]" + capture.Reason());
        // The input's attributes as text, then the results; a name taken
        // twice keeps the first (the layer would refuse the second).
        std::vector<std::string> names;
        auto add = [&](const std::string& field, OGRFieldType type, OGRFieldSubType subType) {
            if (std::find(names.begin(), names.end(), field) != names.end())
                return -1;
            OGRFieldDefn defn(field.c_str(), type);
            defn.SetSubType(subType);
            if (layer->CreateField(&defn) != OGRERR_NONE)
                return -2;
            names.push_back(field);
            return layer->GetLayerDefn()->GetFieldCount() - 1;
        };
        std::vector<int> inputIndex, resultIndex;
        for (const std::string& column : table.columns)
            inputIndex.push_back(add(column, OFTString, OFSTNone));
        for (const char* column : kSiteResultColumns) {
            const std::string c = column;
            const bool text = c == "limited" || c == "note";
            resultIndex.push_back(add(c,
                                      c == "in_water" ? OFTInteger
                                      : text          ? OFTString
                                                      : OFTReal,
                                      c == "in_water" ? OFSTBoolean : OFSTNone));
        }
        if (std::find(inputIndex.begin(), inputIndex.end(), -2) != inputIndex.end() ||
            std::find(resultIndex.begin(), resultIndex.end(), -2) != resultIndex.end())
            return Outcome::Failure("cannot write [" + path + "]" + capture.Reason());
        for (std::size_t k = 0; k < table.points.size(); ++k) {
            const SitePoint& p = table.points[k];
            const OGRFeatureUniquePtr f(OGRFeature::CreateFeature(layer->GetLayerDefn()));
            for (std::size_t i = 0; i < inputIndex.size() && i < p.cells.size(); ++i) {
                if (inputIndex[i] >= 0)
                    f->SetField(inputIndex[i], p.cells[i].c_str());
            }
            const std::vector<std::string> cells = SiteResultCells(k < results.size() ? results[k] : SiteResult {});
            for (std::size_t i = 0; i < resultIndex.size() && i < cells.size(); ++i) {
                const int at = resultIndex[i];
                if (at < 0 || cells[i].empty())
                    continue;  // null
                const OGRFieldType type = layer->GetLayerDefn()->GetFieldDefn(at)->GetType();
                if (type == OFTInteger)
                    f->SetField(at, cells[i] == "true" ? 1 : 0);
                else if (type == OFTReal)
                    f->SetField(at, std::strtod(cells[i].c_str(), nullptr));
                else
                    f->SetField(at, cells[i].c_str());
            }
            if (p.hasPosition && !p.lonLat) {
                OGRPoint at(p.x * scale, p.y * scale);
                f->SetGeometry(&at);
            }
            if (layer->CreateFeature(f.get()) != OGRERR_NONE)
                return Outcome::Failure("cannot write [" + path + "]" + capture.Reason());
        }
    }
    const auto files = memory.Files();
    if (!capture.LastError().empty() || files.size() != 1)
        return Outcome::Failure("cannot write [" + path + "]" + capture.Reason());
    return WriteFileAtomically(path, files.front().second.data(), files.front().second.size());
}

}  // namespace orvane
