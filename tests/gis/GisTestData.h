#pragma once
// GIS sample data made at test time through the GDAL API: a lake in
// longitude/latitude with an island as a hole, an island as a polygon of its
// own and a 3,000-node shore, and writers for any OGR format.

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gdal_priv.h>
#include <ogr_geometry.h>
#include <ogrsf_frmts.h>

#include "gis/Ring.h"

namespace orvane::test {

inline constexpr double kLakeLon = 23.70;  // UTM zone 34 north: EPSG:32634
inline constexpr double kLakeLat = 37.90;

// A closed ring of n nodes around (cx, cy): radius r, wobbling so the shore
// has bays and capes; lon/lat rings pass aspect = cos(latitude).
inline Ring Blob(double cx, double cy, double r, int n, double aspect = 1.0, double wobble = 0.15)
{
    Ring ring;
    for (int i = 0; i <= n; ++i) {
        const double t = 2.0 * M_PI * (i % n) / n;
        const double radius = r * (1.0 + wobble * std::sin(3.0 * t) + wobble / 3.0 * std::sin(11.0 * t + 1.0));
        ring.push_back({cx + radius * std::cos(t) / aspect, cy + radius * std::sin(t)});
    }
    return ring;
}

inline std::unique_ptr<OGRLinearRing> ToOgr(const Ring& ring)
{
    // Sized once: point by point, a 200,000-node ring is copied at every
    // growth, which the sanitizer build takes minutes over.
    auto linear = std::make_unique<OGRLinearRing>();
    linear->setNumPoints(static_cast<int>(ring.size()), FALSE);
    for (std::size_t i = 0; i < ring.size(); ++i)
        linear->setPoint(static_cast<int>(i), ring[i].x, ring[i].y);
    return linear;
}

inline std::unique_ptr<OGRPolygon> MakePolygon(const std::vector<Ring>& rings)
{
    auto polygon = std::make_unique<OGRPolygon>();
    for (const Ring& ring : rings)
        polygon->addRingDirectly(ToOgr(ring).release());
    return polygon;
}

// Writes one layer "shore" of the given geometries; epsg 0 writes no system.
inline bool WriteGisFile(const std::string& path, const char* driverName, int epsg,
                         const std::vector<const OGRGeometry*>& geometries)
{
    GDALAllRegister();
    std::filesystem::remove(path);
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(driverName);
    GDALDatasetUniquePtr dataset(driver->Create(path.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    if (!dataset)
        return false;
    OGRSpatialReference srs;
    if (epsg != 0) {
        srs.importFromEPSG(epsg);
        srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    }
    const OGRwkbGeometryType type = geometries.empty() ? wkbUnknown : wkbFlatten(geometries[0]->getGeometryType());
    OGRLayer* layer = dataset->CreateLayer("shore", epsg != 0 ? &srs : nullptr, type);
    if (layer == nullptr)
        return false;
    for (const OGRGeometry* geometry : geometries) {
        OGRFeatureUniquePtr feature(OGRFeature::CreateFeature(layer->GetLayerDefn()));
        feature->SetGeometry(geometry);
        if (layer->CreateFeature(feature.get()) != OGRERR_NONE)
            return false;
    }
    return true;
}

// The lake: a 3,000-node shore with an island as a hole, and an island as a
// polygon of its own (one multipolygon feature), in WGS 84 lon/lat.
struct Lake {
    std::unique_ptr<OGRMultiPolygon> shape = std::make_unique<OGRMultiPolygon>();
    Lake()
    {
        const double aspect = std::cos(kLakeLat * M_PI / 180.0);
        const Ring shore = Blob(kLakeLon, kLakeLat, 0.05, 3000, aspect);
        const Ring hole = Blob(kLakeLon + 0.02, kLakeLat, 0.006, 40, aspect, 0.05);
        const Ring island = Blob(kLakeLon - 0.02, kLakeLat + 0.01, 0.004, 30, aspect, 0.05);
        shape->addGeometryDirectly(MakePolygon({shore, hole}).release());
        shape->addGeometryDirectly(MakePolygon({island}).release());
    }
};

// A fresh folder under the test's working folder.
inline std::string WorkFolder(const std::string& name)
{
    const std::filesystem::path path = std::filesystem::current_path() / ("gis-work-" + name);
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path.string();
}

}  // namespace orvane::test
