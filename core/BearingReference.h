#pragma once
// Which north the compass bearings of the program refer to.
//
// The record keeps the wind direction in degrees counter-clockwise from the
// +x axis of the project's coordinates, so the bearing 90 - direction is a
// grid bearing: measured from the grid's north (+y). Where the project knows
// its coordinate system, the bearings shown and read are true bearings: the
// grid bearing plus the grid convergence at the computation point, which the
// GIS module computes (gis/CrsSupport.h) and hands over as a plain number.
// Without a coordinate system, or without the GIS module, bearings stay grid
// bearings and the texts say "grid".

#include <string>

namespace orvane {

struct BearingReference {
    bool trueNorth = false;       // bearings are true; grid bearings otherwise
    double convergenceDeg = 0.0;  // true bearing = grid bearing + convergenceDeg (0 for grid)
    // Why the bearings are grid bearings although the project names a
    // coordinate system (the GIS module is missing, the point cannot be
    // transformed); "" otherwise.
    std::string gridReason;
};

// Grid bearings: the reference of a project without a coordinate system.
BearingReference GridBearings(std::string reason = {});
// True bearings with the grid convergence at the point, degrees; grid
// bearings when the angle is not a finite number.
BearingReference TrueBearings(double convergenceDeg);

// "true" or "grid", the word the bearing texts carry.
const char* BearingWord(const BearingReference& ref);

// The compass "from" bearing of a wind direction (degrees counter-clockwise
// from +x) in ref's north, degrees clockwise, normalised to [0, 360).
double BearingOfDirection(double windDirectionDeg, const BearingReference& ref);
// The wind direction of a compass "from" bearing given in ref's north,
// normalised to [0, 360): the inverse of BearingOfDirection.
double DirectionOfBearing(double bearingDeg, const BearingReference& ref);

}  // namespace orvane
