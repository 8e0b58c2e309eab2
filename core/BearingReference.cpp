#include "core/BearingReference.h"

#include <cmath>
#include <utility>

#include "core/CrsService.h"
#include "core/Region.h"

namespace orvane {

BearingReference GridBearings(std::string reason) { return {false, 0.0, std::move(reason)}; }

BearingReference TrueBearings(double convergenceDeg)
{
    if (!std::isfinite(convergenceDeg))
        return GridBearings("the grid convergence at the point is unknown");
    return {true, convergenceDeg, {}};
}

const char* BearingWord(const BearingReference& ref) { return ref.trueNorth ? "true" : "grid"; }

double BearingOfDirection(double windDirectionDeg, const BearingReference& ref)
{
    // CompassBearing(d) = 90 - d normalised; the true bearing adds the
    // convergence, i.e. turns the direction by -convergence first.
    return CompassBearing(windDirectionDeg - (ref.trueNorth ? ref.convergenceDeg : 0.0));
}

double DirectionOfBearing(double bearingDeg, const BearingReference& ref)
{
    // 90 - b is its own inverse; the grid bearing is the true one minus the
    // convergence.
    return CompassBearing(bearingDeg - (ref.trueNorth ? ref.convergenceDeg : 0.0));
}

BearingReference ProjectBearings(const std::string& crs, int coordUnits, double x, double y, const CrsService* service)
{
    if (crs.empty())
        return GridBearings();
    if (service == nullptr || !service->bearings)
        return GridBearings("true north needs the GIS module, which this program has not loaded");
    return service->bearings(crs, coordUnits, x, y);
}

}  // namespace orvane
