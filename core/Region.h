#pragma once
// Questions about the water region as the engine sees it: each boundary b is
// the closed polygon through positions 1 .. NodeCount[b]-1 and back to 1, the
// same polygon the fetch scan crosses (position NodeCount[b] and position 0
// are copies used by the drawing and are not read).

#include <string>

#include "core/BearingReference.h"
#include "core/ProjectRecord.h"

namespace orvane {

// True when (x, y) lies strictly inside boundary 1 and strictly outside every
// island 2..BoundaryCount. A point on an edge counts as outside (it is on a
// shore, not in the water). Gap nodes add only zero-length edges and change
// nothing. An outer boundary of fewer than three positions holds no water, an
// island of fewer than three positions is no island. Non-finite coordinates
// give false.
bool PointInWater(const ProjectRecord& rec, double x, double y);

// PointInWater at the computation point (PointX, PointY).
bool PointInWater(const ProjectRecord& rec);

// A point well inside the water region: the pole of inaccessibility of the
// outer boundary minus the islands (the point farthest from every shore),
// found to within a thousandth of the region's larger extent, in coordinate
// units. Used to offer a point to a region imported without one.
struct InteriorPoint {
    bool found = false;  // false when the region holds no water
    double x = 0;
    double y = 0;
    double shoreDistance = 0;  // to the nearest edge, coordinate units
};
InteriorPoint WaterInteriorPoint(const ProjectRecord& rec);

// The compass "from" bearing of a wind direction: degrees clockwise from
// north, 90 - direction normalised to [0, 360). The record keeps its
// counter-clockwise-from-+x convention; this is for display only.
double CompassBearing(double windDirectionDeg);

// 16-point name of a bearing in degrees ("N", "NNE", ... "NNW"); each name
// covers 22.5 degrees centred on its bearing. "?" for a non-finite bearing.
std::string CompassPointName(double bearingDeg);

// "wind from NE (grid bearing 45.0°)" for WindDirection 45 without a
// coordinate system; with one, the true bearing and "true" ("wind from NE
// (true bearing 43.9°)"). UTF-8; "wind from ?" when the direction is not a
// number. The compass point is that of the bearing shown.
std::string WindFromText(double windDirectionDeg, const BearingReference& ref = {});

// The same compass form as a short aside: "from NE, grid bearing 45.0°" for
// WindDirection 45, in UTF-8; "from ?" when the direction is not a number.
std::string WindFromAsideText(double windDirectionDeg, const BearingReference& ref = {});

}  // namespace orvane
