#include "gis/ShorelineSteps.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/Format.h"
#include "core/Units.h"

namespace orvane {

namespace {

std::unique_ptr<OGRPolygon> PolygonFromClosedLine(const OGRLineString& line)
{
    auto ring = std::make_unique<OGRLinearRing>();
    ring->addSubLineString(&line);
    auto polygon = std::make_unique<OGRPolygon>();
    polygon->addRingDirectly(ring.release());
    return polygon;
}

// Every polygon in a geometry: polygons, the parts of multipolygons and
// collections, and closed line strings (curves taken as their linear form).
void CollectPolygons(const OGRGeometry* geometry, PolygonList& out)
{
    if (geometry == nullptr || geometry->IsEmpty())
        return;
    if (geometry->hasCurveGeometry()) {
        const std::unique_ptr<OGRGeometry> linear(geometry->getLinearGeometry());
        if (linear && !linear->hasCurveGeometry())
            CollectPolygons(linear.get(), out);
        return;
    }
    switch (wkbFlatten(geometry->getGeometryType())) {
    case wkbPolygon: out.emplace_back(geometry->toPolygon()->clone()); break;
    case wkbMultiPolygon:
    case wkbMultiLineString:
    case wkbGeometryCollection:
        for (const OGRGeometry* part : *geometry->toGeometryCollection())
            CollectPolygons(part, out);
        break;
    case wkbLineString:
    case wkbLinearRing:
        if (const auto* line = dynamic_cast<const OGRLineString*>(geometry);
            line != nullptr && line->getNumPoints() >= 4 && line->get_IsClosed())
            out.push_back(PolygonFromClosedLine(*line));
        break;
    default: break;
    }
}

void ScalePolygon(OGRPolygon& polygon, double factor)
{
    for (OGRLinearRing* ring : polygon) {
        for (int i = 0; i < ring->getNumPoints(); ++i)
            ring->setPoint(i, ring->getX(i) * factor, ring->getY(i) * factor);
    }
}

bool InLonLatRange(const PolygonList& polygons)
{
    for (const auto& polygon : polygons) {
        OGREnvelope e;
        polygon->getEnvelope(&e);
        if (!(e.MinX >= -180.0 && e.MaxX <= 180.0 && e.MinY >= -90.0 && e.MaxY <= 90.0))
            return false;
    }
    return true;
}

// The WGS 84 UTM zone of the polygons' centroid (given in longitude/latitude).
int UtmEpsgOfCentroid(const PolygonList& polygons)
{
    OGRMultiPolygon all;
    for (const auto& polygon : polygons)
        all.addGeometry(polygon.get());
    OGRPoint centroid;
    double lon = 0.0;
    double lat = 0.0;
    if (all.Centroid(&centroid) == OGRERR_NONE && !centroid.IsEmpty()) {
        lon = centroid.getX();
        lat = centroid.getY();
    } else {  // no GEOS: the middle of the extent serves as well for a zone
        OGREnvelope e;
        all.getEnvelope(&e);
        lon = (e.MinX + e.MaxX) / 2.0;
        lat = (e.MinY + e.MaxY) / 2.0;
    }
    // Clamped before the conversion: a damaged file's centroid may lie far
    // outside any zone or be no number at all (then zone 31, at longitude 0).
    const double band = std::floor((lon + 180.0) / 6.0) + 1.0;
    const int zone = std::isnan(band) ? 31 : static_cast<int>(std::clamp(band, 1.0, 60.0));
    return (lat >= 0.0 ? 32600 : 32700) + zone;
}

SourcePolygons ReadLayer(OGRLayer& layer)
{
    SourcePolygons read;
    // A GeoPackage without a system reports an "Undefined geographic SRS"
    // or "Undefined cartesian SRS" of no authority: that is no system.
    const OGRSpatialReference* srs = layer.GetSpatialRef();
    if (srs != nullptr && srs->GetAuthorityCode(nullptr) == nullptr && srs->GetName() != nullptr &&
        std::string(srs->GetName()).rfind("Undefined ", 0) == 0)
        srs = nullptr;
    if (srs != nullptr) {
        read.srs = std::make_unique<OGRSpatialReference>(*srs);
        read.srs->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    }
    layer.ResetReading();
    for (OGRFeatureUniquePtr feature(layer.GetNextFeature()); feature; feature.reset(layer.GetNextFeature())) {
        const std::size_t before = read.polygons.size();
        CollectPolygons(feature->GetGeometryRef(), read.polygons);
        // Only a region as the export writes it says the unit of its
        // coordinates: in any other file "units" may mean anything (the unit
        // of a depth, say), and degrees must stay degrees.
        const int field = feature->GetFieldIndex("units");
        const int kind = feature->GetFieldIndex("kind");
        if (read.unitsAttribute < 0 && read.polygons.size() > before && field >= 0 &&
            feature->IsFieldSetAndNotNull(field) && kind >= 0 && feature->IsFieldSetAndNotNull(kind) &&
            std::string(feature->GetFieldAsString(kind)) == "region")
            read.unitsAttribute = CoordUnitsFromName(feature->GetFieldAsString(field));
    }
    return read;
}

bool TransformAll(PolygonList& polygons, OGRCoordinateTransformation& ct)
{
    for (auto& polygon : polygons) {
        if (polygon->transform(&ct) != OGRERR_NONE)
            return false;
    }
    return true;
}

// The first coordinate the record cannot hold (it stores float32): not a
// number, infinite, or beyond float32's range (1e39 would become inf).
std::optional<double> UnstorableCoordinate(const PolygonList& polygons)
{
    for (const auto& polygon : polygons) {
        for (const OGRLinearRing* ring : *polygon) {
            for (int i = 0; i < ring->getNumPoints(); ++i) {
                for (const double v : {ring->getX(i), ring->getY(i)}) {
                    if (!std::isfinite(static_cast<float>(v)))
                        return v;
                }
            }
        }
    }
    return std::nullopt;
}

// Fails the shoreline on the first coordinate the project cannot store.
bool AllStorable(const PolygonList& polygons, const std::string& source, Shoreline& sh)
{
    const std::optional<double> bad = UnstorableCoordinate(polygons);
    if (!bad)
        return true;
    sh.Fail(Format("the coordinate %g in [%s] cannot be stored: the project holds numbers of single precision, "
                   "up to 3.4e38; nothing was imported",
                   *bad, source));
    return false;
}

std::string LayerSuffix(const ShorelineOptions& options)
{
    return options.layer.empty() ? std::string() : " layer [" + options.layer + "]";
}

// Longitude/latitude to metres in the UTM zone of the polygons' centroid,
// the point along with them.
bool ToUtm(SourcePolygons& read, std::optional<XY>& point, const GdalErrorCapture& capture, Shoreline& sh)
{
    const OGRSpatialReference& srs = *read.srs;
    sh.epsg = UtmEpsgOfCentroid(read.polygons);
    OGRSpatialReference utm;
    SrsFromEpsg(sh.epsg, utm);
    const std::unique_ptr<OGRCoordinateTransformation> ct(OGRCreateCoordinateTransformation(read.srs.get(), &utm));
    double px = point ? point->x : 0.0;
    double py = point ? point->y : 0.0;
    if (!ct || !TransformAll(read.polygons, *ct) || (point && !ct->Transform(1, &px, &py))) {
        sh.Fail("cannot transform " + SrsLabel(srs) + " to EPSG:" + std::to_string(sh.epsg) + capture.Reason());
        return false;
    }
    if (point)
        point = XY {px, py};
    sh.coordUnits = 2;
    sh.crs = "EPSG:" + std::to_string(sh.epsg);
    sh.notes.push_back("coordinates: longitude/latitude in " + SrsLabel(srs) + ", transformed to " + SrsLabel(utm) +
                       ", m");
    return true;
}

// A projected (or local) system: kept when its unit is one the project has
// (metre, foot); in any other unit the lengths, the point's too, are scaled
// to metres.
bool FromProjected(SourcePolygons& read, std::optional<XY>& point, Shoreline& sh)
{
    const OGRSpatialReference& srs = *read.srs;
    sh.crs = CrsTextOf(srs);
    const char* unitName = nullptr;
    const double metresPerUnit = srs.GetLinearUnits(&unitName);
    sh.coordUnits = CoordUnitsOfLinearUnit(metresPerUnit);
    if (sh.coordUnits < 0) {
        if (!(std::isfinite(metresPerUnit) && metresPerUnit > 0.0)) {
            sh.Fail("the coordinate system " + SrsLabel(srs) + " has no usable unit of length");
            return false;
        }
        for (auto& polygon : read.polygons)
            ScalePolygon(*polygon, metresPerUnit);
        if (point)
            point = XY {point->x * metresPerUnit, point->y * metresPerUnit};
        sh.coordUnits = 2;
        sh.warnings.push_back(Format("coordinates converted from %s to metres (x %.10g)",
                                     unitName != nullptr ? unitName : "its unit", metresPerUnit));
        return true;
    }
    OGRSpatialReference identified(srs);
    if (identified.GetAuthorityCode(nullptr) == nullptr)
        identified.AutoIdentifyEPSG();
    const char* authority = identified.GetAuthorityName(nullptr);
    const char* code = identified.GetAuthorityCode(nullptr);
    if (authority != nullptr && code != nullptr && std::string(authority) == "EPSG") {
        sh.epsg = std::atoi(code);
        sh.crs = "EPSG:" + std::to_string(sh.epsg);
    }
    sh.notes.push_back("coordinates: kept in " + SrsLabel(identified) + ", " + CoordUnitName(sh.coordUnits));
    return true;
}

}  // namespace

bool Cancelled(const ShorelineOptions& options, double done, Shoreline& sh)
{
    if (!options.progress || options.progress(done))
        return false;
    sh.Fail("the import was cancelled");
    sh.cancelled = true;
    return true;
}

std::string Plural(std::size_t n, const char* one, const char* many)
{
    return Format("%d %s", static_cast<long long>(n), n == 1 ? one : many);
}

std::optional<ShorelineSource> OpenSource(const std::string& source, const ShorelineOptions& options,
                                          const GdalErrorCapture& capture, Shoreline& sh)
{
    if (std::string problem = GisSourceProblem(source); !problem.empty()) {
        sh.Fail(std::move(problem));
        return std::nullopt;
    }
    ShorelineSource opened;
    opened.dataset.reset(GDALDataset::Open(source.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (!opened.dataset) {
        // GDAL names no reason when no driver knows the file.
        sh.Fail("cannot read GIS file [" + source + "]" +
                (capture.LastError().empty() ? std::string(": not a vector format GDAL reads") : capture.Reason()));
        return std::nullopt;
    }
    if (!options.layer.empty()) {
        OGRLayer* layer = opened.dataset->GetLayerByName(options.layer.c_str());
        if (layer == nullptr) {
            std::string names;
            for (OGRLayer* l : opened.dataset->GetLayers())
                names += (names.empty() ? "" : ", ") + std::string(l->GetName());
            sh.Fail("no layer [" + options.layer + "] in [" + source + "]; its layers: " + names);
            return std::nullopt;
        }
        opened.layers.push_back(layer);
    } else {
        for (OGRLayer* layer : opened.dataset->GetLayers())
            opened.layers.push_back(layer);
    }
    if (options.point && !(std::isfinite(options.point->x) && std::isfinite(options.point->y))) {
        sh.Fail("the point is not a pair of numbers");
        return std::nullopt;
    }
    return opened;
}

std::optional<SourcePolygons> ReadPolygons(const ShorelineSource& opened, const std::string& source,
                                           const ShorelineOptions& options, const GdalErrorCapture& capture,
                                           Shoreline& sh)
{
    SourcePolygons all;
    const std::size_t count = opened.layers.size();
    for (std::size_t l = 0; l < count; ++l) {
        OGRLayer* layer = opened.layers[l];
        if (Cancelled(options, 0.02 + 0.28 * static_cast<double>(l) / static_cast<double>(count), sh))
            return std::nullopt;
        SourcePolygons read = ReadLayer(*layer);
        if (read.polygons.empty())
            continue;
        if (all.polygons.empty()) {
            all.srs = std::move(read.srs);
            all.unitsAttribute = read.unitsAttribute;
            // GeoJSON without a "crs" member reads as WGS 84 by definition;
            // when its polygons carry a unit of length (as a region exported
            // without a coordinate system does) the numbers are no degrees.
            if (all.srs && all.unitsAttribute >= 0 && all.srs->IsGeographic() &&
                std::string(opened.dataset->GetDriverName()) == "GeoJSON")
                all.srs.reset();
        } else if (all.srs && read.srs && !read.srs->IsSame(all.srs.get())) {
            const std::unique_ptr<OGRCoordinateTransformation> ct(
                OGRCreateCoordinateTransformation(read.srs.get(), all.srs.get()));
            if (!ct || !TransformAll(read.polygons, *ct)) {
                sh.Fail("cannot transform layer [" + std::string(layer->GetName()) +
                        "] to the coordinate system of the others" + capture.Reason());
                return std::nullopt;
            }
        }
        for (auto& polygon : read.polygons)
            all.polygons.push_back(std::move(polygon));
    }
    if (all.polygons.empty()) {
        sh.Fail("no polygon or closed line in [" + source + "]" + LayerSuffix(options));
        return std::nullopt;
    }
    if (!AllStorable(all.polygons, source, sh))
        return std::nullopt;
    sh.notes.push_back("read " + Plural(all.polygons.size(), "polygon", "polygons") + " from [" + source + "]" +
                       LayerSuffix(options));
    return all;
}

void SettleCoordinateSystem(SourcePolygons& read, Shoreline& sh)
{
    if (read.srs)
        return;
    if (read.unitsAttribute >= 0) {
        sh.coordUnits = read.unitsAttribute;
        sh.notes.push_back("no coordinate system in the file: coordinates taken as " + CoordUnitName(sh.coordUnits) +
                           ", as its units attribute says");
    } else if (InLonLatRange(read.polygons)) {
        read.srs = std::make_unique<OGRSpatialReference>();
        SrsFromEpsg(4326, *read.srs);
        sh.notes.push_back("no coordinate system in the file: coordinates within longitude/latitude range taken "
                           "as WGS 84 longitude/latitude");
    } else {
        sh.coordUnits = 2;
        sh.notes.push_back("no coordinate system in the file: coordinates taken as metres");
    }
}

bool ConvertToProjectUnit(SourcePolygons& read, const std::string& source, const ShorelineOptions& options,
                          const GdalErrorCapture& capture, Shoreline& sh)
{
    std::optional<XY> point = options.point;
    if (read.srs && read.srs->IsGeographic()) {
        if (!ToUtm(read, point, capture, sh))
            return false;
    } else if (read.srs && (read.srs->IsProjected() || read.srs->IsLocal())) {
        if (!FromProjected(read, point, sh))
            return false;
    } else if (read.srs) {
        sh.Fail("the coordinate system " + SrsLabel(*read.srs) + " is neither longitude/latitude nor projected");
        return false;
    }
    // Checked again in the project's unit: a transform or a scale may carry
    // a coordinate beyond what the record holds.
    if (!AllStorable(read.polygons, source, sh))
        return false;
    sh.point = point;
    return true;
}

}  // namespace orvane
