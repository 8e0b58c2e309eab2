#pragma once
// What the engine's settings and texts need of a coordinate system, as plain
// functions: the GIS module answers them (gis/CrsSupport.h builds one of
// these), and a program without the module passes none. Core code calls
// through this and never sees PROJ or GDAL.

#include <functional>
#include <string>

#include "core/BearingReference.h"

namespace orvane {

struct CrsService {
    // "" when crs (as CrsText keeps it) is a projected coordinate system
    // PROJ knows; else why it cannot be used.
    std::function<std::string(const std::string& crs)> check;
    // Longitude and latitude (degrees, WGS 84) to the project's coordinates
    // in crs, in the unit of the CoordUnits code; "" on success, else why not.
    std::function<std::string(const std::string& crs, int coordUnits, double lonDeg, double latDeg, double& x,
                              double& y)>
        fromLonLat;
    // The bearing reference at (x, y) in the unit of coordUnits: true
    // bearings with the grid convergence there, or grid bearings and why.
    std::function<BearingReference(const std::string& crs, int coordUnits, double x, double y)> bearings;
};

// The bearings of a project: grid without a coordinate system; true where
// one is known and the service gives the convergence; grid with the reason
// when there is no service ("the GIS module cannot be loaded").
BearingReference ProjectBearings(const std::string& crs, int coordUnits, double x, double y, const CrsService* service);

}  // namespace orvane
