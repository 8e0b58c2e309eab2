#include "gis/ShorelineImport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

#include <sys/stat.h>

#include <gdal_priv.h>
#include <ogr_geometry.h>
#include <ogrsf_frmts.h>

#include "core/FileIO.h"
#include "core/Format.h"
#include "core/NumberText.h"
#include "core/Region.h"
#include "core/Units.h"
#include "gis/GdalSupport.h"
#include "gis/RingSimplify.h"

namespace orvane {

namespace {

constexpr std::size_t kMaxRingNodes = kMaxGridNode;  // closing copy included
constexpr std::size_t kMaxIslands = kMaxBoundaries - 1;
constexpr const char* kSquared = "\xC2\xB2";  // UTF-8 superscript two

using PolygonList = std::vector<std::unique_ptr<OGRPolygon>>;

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
    case wkbPolygon:
        out.emplace_back(geometry->toPolygon()->clone());
        break;
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
    default:
        break;
    }
}

std::vector<XY> Nodes(const OGRLinearRing& ring)
{
    std::vector<XY> nodes(static_cast<std::size_t>(ring.getNumPoints()));
    for (int i = 0; i < ring.getNumPoints(); ++i)
        nodes[static_cast<std::size_t>(i)] = {ring.getX(i), ring.getY(i)};
    return nodes;
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

std::string UnitName(int coordUnits) { return CoordUnitName(coordUnits); }

std::string Plural(std::size_t n, const char* one, const char* many)
{
    return Format("%d %s", static_cast<long long>(n), n == 1 ? one : many);
}

std::string RingName(std::size_t index)
{
    return index == 0 ? std::string("outer boundary") : Format("island %d", static_cast<long long>(index));
}

// What a layer gave: its polygons and its coordinate system.
struct LayerPolygons {
    PolygonList polygons;
    std::unique_ptr<OGRSpatialReference> srs;  // null: the layer has none
    int unitsAttribute = -1;  // CoordUnits code named by the "units" field of an exported region, -1 when none
};

LayerPolygons ReadLayer(OGRLayer& layer)
{
    LayerPolygons read;
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

std::string UnstorableMessage(double value, const std::string& source)
{
    return Format("the coordinate %g in [%s] cannot be stored: the project holds numbers of single precision, "
                  "up to 3.4e38; nothing was imported",
                  value, source);
}

struct Island {
    Ring ring;
    double area;
    std::size_t order;  // position in the source: holes first, then polygons
};

}  // namespace

Shoreline ReadShoreline(const std::string& source, const ProjectRecord& rec, const ShorelineOptions& options)
{
    Shoreline sh;
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    if (std::string problem = GisSourceProblem(source); !problem.empty()) {
        sh.Fail(std::move(problem));
        return sh;
    }
    const GDALDatasetUniquePtr dataset(GDALDataset::Open(source.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (!dataset) {
        // GDAL names no reason when no driver knows the file.
        sh.Fail("cannot read GIS file [" + source + "]" +
                   (capture.LastError().empty() ? std::string(": not a vector format GDAL reads") : capture.Reason()));
        return sh;
    }
    std::vector<OGRLayer*> layers;
    if (!options.layer.empty()) {
        OGRLayer* layer = dataset->GetLayerByName(options.layer.c_str());
        if (layer == nullptr) {
            std::string names;
            for (OGRLayer* l : dataset->GetLayers())
                names += (names.empty() ? "" : ", ") + std::string(l->GetName());
            sh.Fail("no layer [" + options.layer + "] in [" + source + "]; its layers: " + names);
            return sh;
        }
        layers.push_back(layer);
    } else {
        for (OGRLayer* layer : dataset->GetLayers())
            layers.push_back(layer);
    }
    if (options.point && !(std::isfinite(options.point->x) && std::isfinite(options.point->y))) {
        sh.Fail("the point is not a pair of numbers");
        return sh;
    }

    const auto cancelled = [&](double done) {
        if (!options.progress || options.progress(done))
            return false;
        sh.Fail("the import was cancelled");
        sh.cancelled = true;
        return true;
    };
    if (cancelled(0.02))
        return sh;

    // All polygons in the coordinate system of the first layer that has any.
    PolygonList polygons;
    std::unique_ptr<OGRSpatialReference> srs;
    int unitsAttribute = -1;
    for (std::size_t l = 0; l < layers.size(); ++l) {
        OGRLayer* layer = layers[l];
        if (cancelled(0.02 + 0.28 * static_cast<double>(l) / static_cast<double>(layers.size())))
            return sh;
        LayerPolygons read = ReadLayer(*layer);
        if (read.polygons.empty())
            continue;
        if (polygons.empty()) {
            srs = std::move(read.srs);
            unitsAttribute = read.unitsAttribute;
            // GeoJSON without a "crs" member reads as WGS 84 by definition;
            // when its polygons carry a unit of length (as a region exported
            // without a coordinate system does) the numbers are no degrees.
            if (srs && unitsAttribute >= 0 && srs->IsGeographic() &&
                std::string(dataset->GetDriverName()) == "GeoJSON")
                srs.reset();
        } else if (srs && read.srs && !read.srs->IsSame(srs.get())) {
            const std::unique_ptr<OGRCoordinateTransformation> ct(
                OGRCreateCoordinateTransformation(read.srs.get(), srs.get()));
            if (!ct || !TransformAll(read.polygons, *ct)) {
                sh.Fail("cannot transform layer [" + std::string(layer->GetName()) + "] to the coordinate system of the others" + capture.Reason());
                return sh;
            }
        }
        for (auto& polygon : read.polygons)
            polygons.push_back(std::move(polygon));
    }
    if (polygons.empty()) {
        sh.Fail("no polygon or closed line in [" + source + "]" +
                   (options.layer.empty() ? std::string() : " layer [" + options.layer + "]"));
        return sh;
    }
    if (const std::optional<double> bad = UnstorableCoordinate(polygons)) {
        sh.Fail(UnstorableMessage(*bad, source));
        return sh;
    }
    sh.notes.push_back("read " + Plural(polygons.size(), "polygon", "polygons") + " from [" + source + "]" +
                       (options.layer.empty() ? std::string() : " layer [" + options.layer + "]"));

    // Coordinates: degrees become the UTM zone in metres, lengths are kept.
    std::optional<XY> point = options.point;
    if (!srs) {
        if (unitsAttribute >= 0) {
            sh.coordUnits = unitsAttribute;
            sh.notes.push_back("no coordinate system in the file: coordinates taken as " + UnitName(sh.coordUnits) +
                               ", as its units attribute says");
        } else if (InLonLatRange(polygons)) {
            srs = std::make_unique<OGRSpatialReference>();
            SrsFromEpsg(4326, *srs);
            sh.notes.push_back("no coordinate system in the file: coordinates within longitude/latitude range taken "
                               "as WGS 84 longitude/latitude");
        } else {
            sh.coordUnits = 2;
            sh.notes.push_back("no coordinate system in the file: coordinates taken as metres");
        }
    }
    if (srs && srs->IsGeographic()) {
        sh.epsg = UtmEpsgOfCentroid(polygons);
        OGRSpatialReference utm;
        SrsFromEpsg(sh.epsg, utm);
        const std::unique_ptr<OGRCoordinateTransformation> ct(OGRCreateCoordinateTransformation(srs.get(), &utm));
        double px = point ? point->x : 0.0;
        double py = point ? point->y : 0.0;
        if (!ct || !TransformAll(polygons, *ct) || (point && !ct->Transform(1, &px, &py))) {
            sh.Fail("cannot transform " + SrsLabel(*srs) + " to EPSG:" + std::to_string(sh.epsg) + capture.Reason());
            return sh;
        }
        if (point)
            point = XY{px, py};
        sh.coordUnits = 2;
        sh.crs = "EPSG:" + std::to_string(sh.epsg);
        sh.notes.push_back("coordinates: longitude/latitude in " + SrsLabel(*srs) + ", transformed to " +
                           SrsLabel(utm) + ", m");
    } else if (srs && (srs->IsProjected() || srs->IsLocal())) {
        sh.crs = CrsTextOf(*srs);
        const char* unitName = nullptr;
        const double metresPerUnit = srs->GetLinearUnits(&unitName);
        sh.coordUnits = CoordUnitsOfLinearUnit(metresPerUnit);
        if (sh.coordUnits < 0) {
            if (!(std::isfinite(metresPerUnit) && metresPerUnit > 0.0)) {
                sh.Fail("the coordinate system " + SrsLabel(*srs) + " has no usable unit of length");
                return sh;
            }
            for (auto& polygon : polygons)
                ScalePolygon(*polygon, metresPerUnit);
            if (point)
                point = XY{point->x * metresPerUnit, point->y * metresPerUnit};
            sh.coordUnits = 2;
            sh.warnings.push_back(Format("coordinates converted from %s to metres (x %.10g)",
                                         unitName != nullptr ? unitName : "its unit", metresPerUnit));
        } else {
            OGRSpatialReference identified(*srs);
            if (identified.GetAuthorityCode(nullptr) == nullptr)
                identified.AutoIdentifyEPSG();
            const char* authority = identified.GetAuthorityName(nullptr);
            const char* code = identified.GetAuthorityCode(nullptr);
            if (authority != nullptr && code != nullptr && std::string(authority) == "EPSG") {
                sh.epsg = std::atoi(code);
                sh.crs = "EPSG:" + std::to_string(sh.epsg);
            }
            sh.notes.push_back("coordinates: kept in " + SrsLabel(identified) + ", " + UnitName(sh.coordUnits));
        }
    } else if (srs) {
        sh.Fail("the coordinate system " + SrsLabel(*srs) + " is neither longitude/latitude nor projected");
        return sh;
    }
    if (const std::optional<double> bad = UnstorableCoordinate(polygons)) {
        sh.Fail(UnstorableMessage(*bad, source));  // after the conversion to the project's unit
        return sh;
    }
    sh.point = point;

    // The outer boundary: the polygon around the point, else the largest.
    std::optional<XY> chooser = point;
    const double toNew = MetresPerCoordUnit(rec.CoordUnits) / MetresPerCoordUnit(sh.coordUnits);
    if (!chooser && std::isfinite(toNew) && std::isfinite(rec.PointX) && std::isfinite(rec.PointY))
        chooser = XY{rec.PointX * toNew, rec.PointY * toNew};
    std::size_t outer = polygons.size();
    if (chooser) {
        const OGRPoint at(chooser->x, chooser->y);
        double best = -1.0;
        for (std::size_t i = 0; i < polygons.size(); ++i) {
            const OGRLinearRing* shell = polygons[i]->getExteriorRing();
            if (shell != nullptr && shell->isPointInRing(&at, TRUE) && std::fabs(shell->get_Area()) > best) {
                best = std::fabs(shell->get_Area());
                outer = i;
            }
        }
    }
    const bool aroundPoint = outer < polygons.size();
    if (!aroundPoint) {
        // The first polygon when no area compares (a damaged file's
        // coordinates may make every area NaN).
        outer = 0;
        double best = -1.0;
        for (std::size_t i = 0; i < polygons.size(); ++i) {
            if (polygons[i]->get_Area() > best) {
                best = polygons[i]->get_Area();
                outer = i;
            }
        }
    }
    const OGRPolygon& shore = *polygons[outer];
    Ring outerRing = shore.getExteriorRing() ? CleanRing(Nodes(*shore.getExteriorRing())) : Ring();
    if (outerRing.empty()) {
        sh.Fail("the outer boundary chosen in [" + source + "] has fewer than three distinct nodes");
        return sh;
    }

    // Islands: the holes of the outer polygon and the polygons inside it.
    std::vector<Island> islands;
    std::size_t degenerate = 0;
    auto addIsland = [&](const OGRLinearRing& ring) {
        Ring island = CleanRing(Nodes(ring));
        if (island.empty())
            ++degenerate;
        else
            islands.push_back({island, std::fabs(SignedArea(island)), islands.size()});
    };
    for (int h = 0; h < shore.getNumInteriorRings(); ++h)
        addIsland(*shore.getInteriorRing(h));
    std::size_t outside = 0;
    std::size_t lakesOnIslands = 0;
    for (std::size_t i = 0; i < polygons.size(); ++i) {
        if (i == outer)
            continue;
        if (polygons[i]->getExteriorRing() != nullptr && polygons[i]->Within(&shore)) {
            addIsland(*polygons[i]->getExteriorRing());
            lakesOnIslands += static_cast<std::size_t>(polygons[i]->getNumInteriorRings());
        } else {
            ++outside;
        }
    }
    std::stable_sort(islands.begin(), islands.end(), [](const Island& a, const Island& b) { return a.area > b.area; });

    const std::string unit = UnitName(sh.coordUnits);
    sh.notes.push_back(std::string("outer boundary: ") +
                       (aroundPoint ? "the polygon containing the point"
                                    : Format("the largest of %d polygons (none contains the point)",
                                             static_cast<long long>(polygons.size()))));
    if (outside > 0)
        sh.notes.push_back(Plural(outside, "polygon", "polygons") + " outside the outer boundary left out");
    if (lakesOnIslands > 0)
        sh.notes.push_back(Plural(lakesOnIslands, "hole", "holes") + " inside islands left out (not part of the water)");
    if (degenerate > 0)
        sh.warnings.push_back(Plural(degenerate, "island", "islands") + " of fewer than three distinct nodes left out");
    if (islands.size() > kMaxIslands) {
        std::string areas;
        for (std::size_t i = kMaxIslands; i < islands.size(); ++i)
            areas += Format("%s%.1f %s%s", areas.empty() ? "" : ", ", islands[i].area, unit, kSquared);
        sh.warnings.push_back(Plural(islands.size() - kMaxIslands, "island", "islands") +
                              " left out (the project holds the four largest); their areas: " + areas);
        islands.resize(kMaxIslands);
    }
    // The kept islands in the source's order, so an export imported again
    // numbers them as before.
    std::sort(islands.begin(), islands.end(), [](const Island& a, const Island& b) { return a.order < b.order; });

    std::vector<Ring> rings;
    rings.push_back(std::move(outerRing));
    for (const Island& island : islands)
        rings.push_back(island.ring);
    if (cancelled(0.3))
        return sh;
    FittedRings fitted = FitRingsToNodeLimit(rings, kMaxRingNodes, [&](double done) {
        return !options.progress || options.progress(0.3 + 0.7 * done);
    });
    if (fitted.cancelled) {
        sh.Fail("the import was cancelled");
        sh.cancelled = true;
        return sh;
    }
    if (!fitted.ok) {
        sh.Fail(Format("cannot simplify the shoreline to %d nodes", static_cast<long long>(kMaxRingNodes)) +
                   capture.Reason());
        return sh;
    }
    for (const RingChange& change : fitted.changes) {
        sh.warnings.push_back(Format("%s simplified from %d to %d nodes: tolerance %.3f %s, largest deviation %.3f %s",
                                     RingName(change.ring), static_cast<long long>(change.nodesBefore),
                                     static_cast<long long>(change.nodesAfter), change.tolerance, unit,
                                     change.deviation, unit));
    }
    if (fitted.jointly)
        sh.warnings.push_back("an island came too close to the shore once simplified, so all rings were "
                              "simplified together with one tolerance");
    for (std::size_t island : fitted.strayIslands)
        sh.warnings.push_back(RingName(island) + " is no longer inside the simplified outer boundary: it lies "
                                                 "within the tolerance of the shore");
    sh.rings = std::move(fitted.rings);

    std::string counts = Format("outer boundary %d nodes", static_cast<long long>(sh.rings.front().size()));
    for (std::size_t i = 1; i < sh.rings.size(); ++i)
        counts += Format(", island %d %d nodes", static_cast<long long>(i), static_cast<long long>(sh.rings[i].size()));
    sh.notes.push_back(counts);

    // The record holds float32: far from the origin of a map grid that is
    // coarse (half a metre at a UTM northing of 5,000 km).
    double largest = 0.0;
    for (const XY& p : sh.rings.front())
        largest = std::max({largest, std::fabs(p.x), std::fabs(p.y)});
    const double step = std::nextafter(static_cast<float>(largest), INFINITY) - static_cast<float>(largest);
    if (step > 0.01)
        sh.notes.push_back(Format("coordinates are stored to %.3g %s at these values (single precision)", step, unit));
    cancelled(1.0);
    return sh;
}

std::vector<std::string> LayerNames(const std::string& source)
{
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    std::vector<std::string> names;
    if (!GisSourceProblem(source).empty())
        return names;
    const GDALDatasetUniquePtr dataset(GDALDataset::Open(source.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (dataset) {
        for (OGRLayer* layer : dataset->GetLayers())
            names.emplace_back(layer->GetName());
    }
    return names;
}

}  // namespace orvane
