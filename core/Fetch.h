#pragma once
// The inputs of the wave formulas: the project's lengths, wind speed and
// depth in feet and ft/s, and the radial fetch - the distance from a point
// along a ray to the nearest crossing with any region boundary.
//
// Angles are radians, counter-clockwise from +x; the ray for theta leaves the
// point in the direction (cos theta, sin theta). Every named value is a
// float32, expressions are evaluated in double (see EngineMath.h).

#include "core/ProjectRecord.h"

namespace orvane {

// A length in the project's coordinate unit (CoordUnits 0 ft, 1 Miles, 2 m,
// 3 Km) in feet. An unknown unit code gives NaN: the length is undefined.
float LengthToFeet(const ProjectRecord& rec, float length);

// WindVelocity as a speed in feet per second (ft/s, the engine's speed unit;
// "Feet" names the unit system, as in DepthFeet), from VelocityUnits 0 m/sec,
// 1 Km/hr, 2 ft/sec, 3 m.p.h., raised to at least 1.0 ft/s. An unknown unit
// code gives NaN.
float WindSpeedFeet(const ProjectRecord& rec);

// Depth in feet (metres for CoordUnits 2 and 3, feet for 0 and 1), raised to
// at least 10.0. An unknown unit code gives NaN.
float DepthFeet(const ProjectRecord& rec);

// theta (radians) turned by 2*pi/1000 counter-clockwise when it lies within
// 0.01 rad of a multiple of pi/2 between -5*pi and 5*pi, so that the ray's
// slope and direction sign are never degenerate. Each multiple is tested once,
// in increasing order, against the current value.
float NudgeOffAxes(float thetaRad);

// Fetch from (x0, y0) along thetaRad, in coordinate units: the smallest
// positive per-boundary nearest crossing ahead of the point, 0 when no
// boundary is crossed. Boundary b is the closed polygon of positions
// 1..NodeCount[b]-1 (the last position repeats the first and is not read);
// segments shorter than 0.001 in x and y (gap nodes) are never crossed.
// The point may lie anywhere: inside the region is not checked.
// This is the plain scan of every segment; FetchScanner gives the same
// floats faster when many rays share one region.
float RadialFetch(const ProjectRecord& rec, float x0, float y0, float thetaRad);

// LengthToFeet(RadialFetch(...)).
float RadialFetchFeet(const ProjectRecord& rec, float x0, float y0, float thetaRad);

// The fetch from (PointX, PointY) along WindDirection, in coordinate units:
// the value the main window shows over the region plot.
float WindDirectionFetch(const ProjectRecord& rec);

}  // namespace orvane
