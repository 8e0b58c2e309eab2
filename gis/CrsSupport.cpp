#include "gis/CrsSupport.h"

#include <cmath>
#include <memory>
#include <mutex>

#include <ogr_spatialref.h>

#include "core/EngineMath.h"
#include "gis/GdalSupport.h"

namespace orvane {

namespace {

// A transformation from the system to its own geographic coordinates, kept
// for the last system asked about: a map or a points run asks again and
// again, and making one costs far more than using it. PROJ's objects are not
// shared between threads, so the cache is guarded.
class Transforms {
public:
    struct Pair {
        std::unique_ptr<OGRCoordinateTransformation> toGeographic, fromGeographic, fromWgs84;
        double metresPerUnit = 0.0;
    };

    // Runs use(pair) under the lock; false when crs cannot be used.
    template <class Use> bool With(const std::string& crs, std::string& why, Use use)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (crs != crs_ || !pair_.toGeographic) {
            crs_ = crs;
            pair_ = Pair {};
            why_ = Make(crs, pair_);
        }
        why = why_;
        return why.empty() && use(pair_);
    }

private:
    static std::string Make(const std::string& crs, Pair& pair)
    {
        OGRSpatialReference srs;
        if (!SrsFromText(crs, srs))
            return "PROJ does not know the coordinate system " + crs;
        if (!srs.IsProjected())
            return SrsLabel(srs) + " is not a projected coordinate system";
        std::unique_ptr<OGRSpatialReference> geographic(srs.CloneGeogCS());
        OGRSpatialReference wgs84;
        if (!geographic || !SrsFromEpsg(4326, wgs84))
            return "no geographic coordinate system for " + SrsLabel(srs);
        geographic->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        pair.toGeographic.reset(OGRCreateCoordinateTransformation(&srs, geographic.get()));
        pair.fromGeographic.reset(OGRCreateCoordinateTransformation(geographic.get(), &srs));
        pair.fromWgs84.reset(OGRCreateCoordinateTransformation(&wgs84, &srs));
        pair.metresPerUnit = srs.GetLinearUnits(nullptr);
        if (!pair.toGeographic || !pair.fromGeographic || !pair.fromWgs84 ||
            !(std::isfinite(pair.metresPerUnit) && pair.metresPerUnit > 0.0))
            return "PROJ cannot transform " + SrsLabel(srs);
        return {};
    }

    std::mutex mutex_;
    std::string crs_;
    std::string why_;
    Pair pair_;
};

Transforms& Cache()
{
    static Transforms transforms;
    return transforms;
}

}  // namespace

CrsDescription DescribeCrs(const std::string& crs)
{
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    CrsDescription out;
    OGRSpatialReference srs;
    if (!SrsFromText(crs, srs)) {
        out.Fail("PROJ does not know the coordinate system " + (crs.size() > 60 ? crs.substr(0, 60) + "..." : crs));
        return out;
    }
    out.projected = srs.IsProjected();
    out.label = SrsLabel(srs);
    out.metresPerUnit = out.projected ? srs.GetLinearUnits(nullptr) : 0.0;
    return out;
}

GridConvergence GridConvergenceAt(const std::string& crs, int coordUnits, double x, double y)
{
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    GridConvergence out;
    std::string why;
    const bool done = Cache().With(crs, why, [&](Transforms::Pair& t) {
        const double scale = MetresPerCoordUnit(coordUnits) / t.metresPerUnit;
        double lon = x * scale, lat = y * scale;
        if (!std::isfinite(lon + lat) || !t.toGeographic->Transform(1, &lon, &lat))
            return false;
        // A central difference along the meridian, about 10 m each way:
        // true north's direction on the grid, accurate far beyond the
        // 0.1 degree the bearings are shown to.
        constexpr double kStepDeg = 1e-4;
        double xs[2] = {lon, lon}, ys[2] = {lat - kStepDeg, lat + kStepDeg};
        if (!t.fromGeographic->Transform(2, xs, ys))
            return false;
        const double east = xs[1] - xs[0], north = ys[1] - ys[0];
        out.degrees = std::atan2(-east, north) / kDegToRad;
        return std::isfinite(out.degrees);
    });
    if (!done)
        out.Fail(why.empty() ? "PROJ cannot find true north at the point" + capture.Reason() : why);
    return out;
}

ProjectedPoint LonLatToProject(const std::string& crs, int coordUnits, double lonDeg, double latDeg)
{
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    ProjectedPoint out;
    std::string why;
    const bool done = Cache().With(crs, why, [&](Transforms::Pair& t) {
        double x = lonDeg, y = latDeg;
        if (!t.fromWgs84->Transform(1, &x, &y) || !std::isfinite(x + y))
            return false;
        const double scale = t.metresPerUnit / MetresPerCoordUnit(coordUnits);
        out.x = x * scale;
        out.y = y * scale;
        return std::isfinite(out.x + out.y);
    });
    if (!done)
        out.Fail(why.empty() ? "PROJ cannot transform the longitude/latitude" + capture.Reason() : why);
    return out;
}

}  // namespace orvane
