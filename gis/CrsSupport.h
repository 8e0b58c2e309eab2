#pragma once
// The project's coordinate system through PROJ (in the GIS module): what it
// is, where longitude/latitude lie in it, and the grid convergence that
// turns grid bearings into true ones. Coordinates of the project are in the
// unit of its CoordUnits code (0 ft, 1 Miles, 2 m, 3 Km) and are converted
// to and from the system's own unit here.

#include <string>

#include "core/CrsService.h"
#include "core/Outcome.h"

namespace orvane {

struct CrsDescription : Outcome {
    bool projected = false;
    std::string label;         // "EPSG:32634 (WGS 84 / UTM zone 34N)"
    double metresPerUnit = 0;  // of the system's coordinates
};

// Fails when PROJ cannot read crs ("EPSG:N" or WKT).
CrsDescription DescribeCrs(const std::string& crs);

struct GridConvergence : Outcome {
    // true bearing = grid bearing + degrees: the angle from true north to
    // the grid's north (+y) at the point, clockwise positive.
    double degrees = 0.0;
};

// The convergence at (x, y): true north found by stepping along the meridian
// through the point in the system's own geographic coordinates. Fails for a
// system that is not projected, or a point PROJ cannot transform.
GridConvergence GridConvergenceAt(const std::string& crs, int coordUnits, double x, double y);

struct ProjectedPoint : Outcome {
    double x = 0.0, y = 0.0;  // the project's coordinates
};

// Longitude and latitude on WGS 84 (degrees) to the project's coordinates.
ProjectedPoint LonLatToProject(const std::string& crs, int coordUnits, double lonDeg, double latDeg);

// The functions above as the engine's CrsService (through the GIS module in
// the programs: a program folder without it fails each call with the reason).
inline CrsService GisCrsService()
{
    CrsService service;
    service.check = [](const std::string& crs) {
        const CrsDescription d = DescribeCrs(crs);
        if (!d.ok)
            return d.message;
        return d.projected ? std::string() : d.label + " is not a projected coordinate system";
    };
    service.fromLonLat = [](const std::string& crs, int coordUnits, double lon, double lat, double& x, double& y) {
        const ProjectedPoint p = LonLatToProject(crs, coordUnits, lon, lat);
        x = p.x;
        y = p.y;
        return p.ok ? std::string() : p.message;
    };
    service.bearings = [](const std::string& crs, int coordUnits, double x, double y) {
        const GridConvergence c = GridConvergenceAt(crs, coordUnits, x, y);
        return c.ok ? TrueBearings(c.degrees) : GridBearings(c.message);
    };
    return service;
}

}  // namespace orvane
